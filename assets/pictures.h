#pragma once

#include <QIcon>
#include <QList>
#include <QPoint>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

namespace numora {

// A picture compiled into the program, at its logical size and sharp on high-DPI screens
// (the twice-size rendering is used when the application's device pixel ratio is above 1).
// A name that is not in pictureNames() gives a null pixmap.
//   label->setPixmap(numora::picture("main"));
QPixmap picture(const QString &name);

// The same for a given device pixel ratio.
QPixmap picture(const QString &name, qreal devicePixelRatio);

// Draws a picture at its logical size with its top left corner at `at`, sharp on high-DPI
// devices, read for this drawing alone: neither shared nor kept. For the large window
// backgrounds: once painted, the window's backing store holds their pixels, and a window
// paints its background again only where something on it changes (reading one takes about a
// millisecond). Nothing is drawn for a name that is not in pictureNames().
void drawPicture(QPainter &painter, const QPoint &at, const QString &name);

// Logical size of a picture in pixels; an invalid size for an unknown name.
QSize pictureSize(const QString &name);

QStringList pictureNames();

// An icon with every rendered size; a null icon for an unknown name.
//   window->setWindowIcon(numora::icon("icon-649"));
QIcon icon(const QString &name);

QStringList iconNames();

// The pixel sizes every icon is rendered at.
QList<int> iconSizes();

} // namespace numora
