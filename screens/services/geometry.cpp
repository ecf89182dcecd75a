#include "screens/services/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace numora {

int px(int twips)
{
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

int twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

void placeTwips(QWidget *widget, const TwipsRect &place)
{
    placeTwips(widget, place.left, place.top, place.width, place.height);
}

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

void setClientSizeTwips(QWidget *window, int width, int height)
{
    window->setFixedSize(px(width), px(height));
}

Qt::WindowFlags fixedSingleFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}

Qt::WindowFlags fixedDialogFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint;
}

void centreWindow(QWidget *window, const QWidget *owner)
{
    QScreen *screen = owner ? owner->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int frame = px(frameHeightTwips(window));
    QRect outer(QPoint(), QSize(window->width(), window->height() + frame));
    outer.moveCenter(owner ? owner->frameGeometry().center()
                           : screen ? screen->availableGeometry().center() : QPoint());
    if (screen) {
        const QRect available = screen->availableGeometry();
        outer.moveRight(std::min(outer.right(), available.right()));
        outer.moveBottom(std::min(outer.bottom(), available.bottom()));
        outer.moveLeft(std::max(outer.left(), available.left()));
        outer.moveTop(std::max(outer.top(), available.top()));
    }
    window->move(outer.topLeft());
}

namespace {

// Platforms without a window manager, whose frame (if any) is made up.
bool framesAreReal()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

int frameHeightTwips(const QWidget *window)
{
    if (window->isWindow() && window->isVisible() && framesAreReal()) {
        const int frame = window->frameGeometry().height() - window->height();
        if (frame > 0)
            return twips(frame);
    }
    return kDefaultFrameTwips;
}

int outerHeightTwips(const QWidget *window)
{
    return twips(window->height()) + frameHeightTwips(window);
}

void setOuterHeightTwips(QWidget *window, int outerTwips)
{
    const int client = std::max(0, px(outerTwips - frameHeightTwips(window)));
    if (window->minimumHeight() == window->maximumHeight())
        window->setFixedHeight(client);
    else
        window->resize(window->width(), client);
}

} // namespace numora
