#include "rtfpictures.h"

#include "rtfformats.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace numora::rtf {

namespace {
constexpr qint64 maxImageBytes = 256LL * 1024 * 1024;     // all pictures of one document
constexpr qint64 maxFrameBytes = 16LL * 1024 * 1024;      // outlines of pictures not shown
constexpr qint64 minImageCost = 1024;                     // counted for each picture, however small
constexpr qint64 maxNaturalPixels = 32LL * 1024 * 1024;    // larger pictures are not decoded
} // namespace

QString PictureStore::addImage(const QImage &image)
{
    const QString name = QStringLiteral("rtfimage:%1").arg(++m_imageCount);
    m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    return name;
}

// A light grey outline of the given size, for pictures that cannot be shown. One picture per
// size; once the pictures of the document use up their memory, one small outline serves all.
QString PictureStore::frame(QSize size)
{
    const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
    if (const auto it = m_frames.constFind(key); it != m_frames.constEnd())
        return *it;
    const qint64 bytes = std::max<qint64>(minImageCost, qint64(size.width() + 31) / 32 * 4 * size.height());
    if (m_frameBytes + bytes > maxFrameBytes) {
        if (m_spareFrame.isEmpty())
            m_spareFrame = addImage(frameImage(QSize(16, 16)));
        return m_spareFrame;
    }
    m_frameBytes += bytes;
    const QString name = addImage(frameImage(size));
    m_frames.insert(key, name);
    return name;
}

QImage PictureStore::frameImage(QSize size)
{
    QImage image(size, QImage::Format_Mono);
    if (image.isNull())
        return image;
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(170, 170, 170)});
    image.fill(0);
    for (int x = 0; x < size.width(); ++x) {
        image.setPixel(x, 0, 1);
        image.setPixel(x, size.height() - 1, 1);
    }
    for (int y = 0; y < size.height(); ++y) {
        image.setPixel(0, y, 1);
        image.setPixel(size.width() - 1, y, 1);
    }
    return image;
}

PictureStore::Placed PictureStore::place(Picture &pic)
{
    Placed placed;
    QImage image;
    QSize natural;
    bool failed = false;
    const bool decodable = pic.kind == PictKind::Png || pic.kind == PictKind::Jpeg;
    QBuffer buffer(&pic.data);
    QImageReader reader(&buffer, pic.kind == PictKind::Png ? "png" : "jpeg");
    if (decodable) {
        buffer.open(QIODevice::ReadOnly);
        natural = reader.size();
        failed = !natural.isValid() || qint64(natural.width()) * natural.height() > maxNaturalPixels;
    }

    // Shown size: the goal size in twips, else the picture's own size, each scaled in percent.
    const auto side = [&](int goal, int own, int naturalSide, int scale) -> double {
        double v = 0;
        if (goal > 0)
            v = goal / twipsPerPixel;
        else if (own > 0)
            v = pic.kind == PictKind::Metafile ? own * 96.0 / 2540.0 : double(own);
        else
            v = naturalSide;
        if (scale > 0)
            v = v * std::min(scale, 100000) / 100.0;
        return v;
    };
    double w = side(pic.goalw, pic.picw, natural.isValid() ? natural.width() : 0, pic.scalex);
    double h = side(pic.goalh, pic.pich, natural.isValid() ? natural.height() : 0, pic.scaley);
    if (!(w >= 1 && h >= 1)) {
        placed.damaged = decodable && failed;
        return placed;
    }
    const QSize shown(int(std::min(w, double(maxPictureSide)) + 0.5), int(std::min(h, double(maxPictureSide)) + 0.5));

    if (decodable && !failed) {
        // Kept at most at twice the shown size, for high-density screens.
        QSize keep = natural;
        if (keep.width() > 2 * shown.width() || keep.height() > 2 * shown.height())
            keep = natural.scaled(2 * shown.width(), 2 * shown.height(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        const qint64 bytes = std::max(minImageCost, qint64(keep.width()) * keep.height() * 4);
        if (m_imageBytes + bytes <= maxImageBytes) {
            if (keep != natural)
                reader.setScaledSize(keep);
            image = reader.read();
            if (!image.isNull())
                m_imageBytes += bytes;
        }
        failed = image.isNull() && m_imageBytes + bytes <= maxImageBytes;
    }
    placed.damaged = failed;

    placed.shown = true;
    placed.size = shown;
    placed.name = image.isNull() ? frame(shown) : addImage(image);
    return placed;
}

} // namespace numora::rtf
