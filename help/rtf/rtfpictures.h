#pragma once

// Pictures: what the reader gathers of a \pict group, and the image resources it adds to the
// document for them.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

class QTextDocument;

namespace numora::rtf {

enum class PictKind : quint8 { None, Png, Jpeg, Metafile, Bitmap };

struct Picture {
    qsizetype start = 0;
    qsizetype depth = 0;
    PictKind kind = PictKind::None;
    int picw = 0;
    int pich = 0;
    int goalw = 0;
    int goalh = 0;
    int scalex = 100;
    int scaley = 100;
    int nibble = -1;
    QByteArray data = {};
};

// Adds the pictures of one document to it as image resources named "rtfimage:N", keeping
// within the memory a document's pictures may take.
class PictureStore {
public:
    explicit PictureStore(QTextDocument &doc) : m_doc(doc) {}

    struct Placed {
        bool shown = false;    // false: the picture has no size and is left out
        bool damaged = false;  // its data could not be decoded (it shows as an outline)
        QString name;          // the image resource
        QSize size;            // in pixels
    };

    // Decodes the picture, or makes an outline of its size when it cannot be shown.
    Placed place(Picture &pic);

private:
    QString addImage(const QImage &image);
    QString frame(QSize size);
    static QImage frameImage(QSize size);

    QTextDocument &m_doc;
    int m_imageCount = 0;
    qint64 m_imageBytes = 0;
    qint64 m_frameBytes = 0;
    QHash<quint64, QString> m_frames;
    QString m_spareFrame;
};

} // namespace numora::rtf
