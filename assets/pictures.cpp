#include "assets/pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QSysInfo>

#include <png.h>

#include <algorithm>
#include <array>

namespace numora {
namespace {

struct PictureInfo
{
    const char *name;
    int width;
    int height;
};

constexpr std::array kPictures{
    PictureInfo{"main", 328, 317},
    PictureInfo{"entry649", 385, 358},
    PictureInfo{"entryS7", 384, 358},
    PictureInfo{"entryCst", 368, 372},
    PictureInfo{"selections-blue", 265, 249},
    PictureInfo{"selections-lilac", 265, 249},
    PictureInfo{"display-blue", 157, 394},
    PictureInfo{"display-offwhite", 213, 427},
    PictureInfo{"arrow-up", 32, 32},
    PictureInfo{"arrow-down", 32, 32},
    PictureInfo{"settings", 64, 64},
    PictureInfo{"film", 41, 41},
    PictureInfo{"title", 318, 209},
    PictureInfo{"flag-fra", 41, 41},
    PictureInfo{"flag-us", 41, 41},
    PictureInfo{"flag-can", 41, 41},
    PictureInfo{"flag-ita", 41, 41},
    PictureInfo{"flag-spa", 41, 41},
    PictureInfo{"flag-uk", 41, 41},
    PictureInfo{"flag-ger", 41, 41},
};

constexpr std::array kIcons{"icon-numora", "icon-649", "icon-s7", "icon-cst", "icon-settings"};
constexpr std::array kIconSizes{16, 24, 32, 48, 64, 128, 256};
// The sizes an icon offers. The window system copies every offered size into the icon property
// of each window shown (a 256-pixel picture alone is 256 KB, read, converted and sent at every
// window's first showing); title bars, task bars and window switchers draw 64 pixels at most,
// and a high-DPI screen asks for twice the size, which pixmap() still gives. The larger
// renderings are the desktop's: they are installed into its icon theme.
constexpr std::array kOfferedIconSizes{16, 24, 32, 48, 64};

const PictureInfo *findPicture(const QString &name)
{
    for (const auto &info : kPictures) {
        if (name == QLatin1String(info.name))
            return &info;
    }
    return nullptr;
}

// The pictures are PNG files compiled into the program, read with libpng directly: an image
// reader would first look through every image format plugin of the system, and the splash
// screen's picture is read before the first window shows. The pixels are taken as stored,
// without gamma or colour space conversion, as Qt's own PNG reader takes them.
QImage readPng(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    const QByteArray data = resource.uncompressedData();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.constData(), std::size_t(data.size())))
        return {};
    // 0xAARRGGBB words, whatever the byte order. A picture without transparency (every window
    // background) is read as opaque, its alpha bytes all 0xff: it is then drawn without blending
    // and a pixmap takes it as it is.
    const bool opaque = !(image.format & PNG_FORMAT_FLAG_ALPHA);
    image.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage result(int(image.width), int(image.height),
                  opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (result.isNull()
        || !png_image_finish_read(&image, nullptr, result.bits(), int(result.bytesPerLine()), nullptr)) {
        png_image_free(&image);
        return {};
    }
    return result;
}

QPixmap loadPng(const QString &path)
{
    return QPixmap::fromImage(readPng(path));
}

// The pictures some window holds, handed out without a copy, so that windows showing the same
// picture share it. A picture no window holds any more (the About box's, once it is closed)
// is let go at the next look-up rather than kept for the whole run. Each file has one fixed
// ratio, so the path is the key.
QPixmap loadCached(const QString &path, qreal ratio)
{
    static auto *const cache = new QHash<QString, QPixmap>;
    for (auto it = cache->begin(); it != cache->end();) {
        if (it.key() != path && it->isDetached())
            it = cache->erase(it);
        else
            ++it;
    }
    if (const auto it = cache->constFind(path); it != cache->cend())
        return *it;
    QPixmap pixmap = loadPng(path);
    if (!pixmap.isNull()) {
        pixmap.setDevicePixelRatio(ratio);
        cache->insert(path, pixmap);
    }
    return pixmap;
}

// A picture read by `read(path, ratio)` at a device pixel ratio: the twice-size rendering on a
// high-DPI device, else (or where that cannot be read) the picture at its own size.
template<class Read>
auto readFor(const QString &name, qreal devicePixelRatio, Read read)
{
    if (devicePixelRatio > 1.0) {
        auto sharp = read(QStringLiteral(":/images/%1@2x.png").arg(name), 2.0);
        if (!sharp.isNull())
            return sharp;
    }
    return read(QStringLiteral(":/images/%1.png").arg(name), 1.0);
}

} // namespace

QPixmap picture(const QString &name)
{
    return picture(name, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap picture(const QString &name, qreal devicePixelRatio)
{
    if (!findPicture(name))
        return {};
    return readFor(name, devicePixelRatio, loadCached);
}

void drawPicture(QPainter &painter, const QPoint &at, const QString &name)
{
    if (!findPicture(name))
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    painter.drawImage(at, readFor(name, ratio, [](const QString &path, qreal fileRatio) {
        QImage image = readPng(path);
        image.setDevicePixelRatio(fileRatio);
        return image;
    }));
}

QSize pictureSize(const QString &name)
{
    const PictureInfo *info = findPicture(name);
    return info ? QSize(info->width, info->height) : QSize();
}

QStringList pictureNames()
{
    QStringList names;
    for (const auto &info : kPictures)
        names << QLatin1String(info.name);
    return names;
}

namespace {

// Hands out the icon's pictures, each read when first asked for, through the same PNG reading
// as the pictures (QIcon::addFile would probe every file with every image format plugin).
class IconEngine final : public QIconEngine
{
public:
    explicit IconEngine(const QString &name) : m_name(name) {}

    // Window and lottery icons: the same picture in every mode and state.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int wanted = std::max(size.width(), size.height());
        int chosen = kIconSizes.back();
        for (int s : kIconSizes) {
            if (s >= wanted) {
                chosen = s;
                break;
            }
        }
        // Not kept: the window system takes its own copy of a window's icon.
        QPixmap result = loadPng(QStringLiteral(":/icons/%1-%2.png").arg(m_name).arg(chosen));
        if (chosen != wanted && !result.isNull())
            result = result.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return result;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap p = pixmap(rect.size() * ratio, mode, state);
        p.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, p);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int s : kOfferedIconSizes)
            sizes << QSize(s, s);
        return sizes;
    }
    QIconEngine *clone() const override { return new IconEngine(m_name); }
    QString key() const override { return QStringLiteral("numora-png"); }

private:
    QString m_name;
};

} // namespace

QIcon icon(const QString &name)
{
    if (!iconNames().contains(name))
        return {};
    return QIcon(new IconEngine(name));
}

QStringList iconNames()
{
    QStringList names;
    for (const char *name : kIcons)
        names << QLatin1String(name);
    return names;
}

QList<int> iconSizes()
{
    return {kIconSizes.begin(), kIconSizes.end()};
}

} // namespace numora
