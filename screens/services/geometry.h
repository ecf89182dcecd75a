#pragma once

#include <Qt>

class QWidget;

namespace numora {

// Window and control geometry is designed in twips: 1440 per inch, 15 per logical pixel.
inline constexpr int kTwipsPerPixel = 15;
// Title bar and borders of a classic fixed window, used while the window system reports none.
inline constexpr int kDefaultFrameTwips = 375;

int px(int twips);
int twips(int pixels);

// A control's designed place: left, top, width and height in twips.
struct TwipsRect
{
    int left, top, width, height;
};

// Places a control by its designed left, top, width and height.
void placeTwips(QWidget *widget, int left, int top, int width, int height);
void placeTwips(QWidget *widget, const TwipsRect &place);
// Fixes a window's client area to the designed size.
void setClientSizeTwips(QWidget *window, int width, int height);

// Window flags for a fixed single border window with no maximize or minimize button.
Qt::WindowFlags fixedSingleFlags();
// Window flags for a fixed dialog border window (title bar and close box only).
Qt::WindowFlags fixedDialogFlags();

// Centres a window, frame included, on `owner`, or on its screen when there is no owner; it
// is kept within the screen's available area.
void centreWindow(QWidget *window, const QWidget *owner = nullptr);

// Height of title bar and borders: as the window system reports it once the window is
// mapped, kDefaultFrameTwips where it reports none (offscreen, not yet shown).
int frameHeightTwips(const QWidget *window);
// Outer height = client height + frame height. A 4815-twip client gives 5190.
int outerHeightTwips(const QWidget *window);
// Sets the client height so that the outer height becomes `outerTwips`; the width stays, and a
// window of fixed height keeps a fixed height.
void setOuterHeightTwips(QWidget *window, int outerTwips);

} // namespace numora
