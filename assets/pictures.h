#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace numora {

// A picture compiled into the program, at its logical size and sharp on high-DPI screens
// (the twice-size rendering is used when the application's device pixel ratio is above 1).
// A name that is not in pictureNames() gives a null pixmap.
//   label->setPixmap(numora::picture("main"));
QPixmap picture(const QString &name);

// The same for a given device pixel ratio.
QPixmap picture(const QString &name, qreal devicePixelRatio);

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
