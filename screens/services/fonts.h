#pragma once

#include <QFont>

class QPaintDevice;

namespace numora {

// Where the design names Arial (the display windows, the printed page): Liberation Sans,
// metric-compatible with Arial.
inline constexpr const char *kDesignFontFamily = "Liberation Sans";
// The designed control font size (MS Sans Serif 8.25 point).
inline constexpr qreal kDesignFontSize = 8.25;

// The controls' font, where the design names MS Sans Serif 8.25 point: Liberation Sans is
// wider than MS Sans Serif and cuts the longer captions, so the controls use Liberation Sans
// Narrow at the size whose average character width is MS Sans Serif's (5 pixels at 96 dpi).
inline constexpr const char *kControlFontFamily = "Liberation Sans Narrow";
inline constexpr qreal kControlFontSize = 9.75;
// MS Sans Serif 8.25 point sets its lines 13 pixels (195 twips) apart; Liberation Sans Narrow
// at the control size sets them 15 apart, which is more than the windows and labels were sized
// for. Lines in the control font keep the designed distance.
inline constexpr int kControlLineHeightTwips = 195;

QFont designFont(qreal pointSize = kDesignFontSize, bool bold = false);
QFont controlFont();

// The distance from one line of text to the next in `font` on `device` (the screen if none):
// for the control font the designed line height, scaled with its size; for any other font its
// own line spacing.
int lineHeight(const QFont &font, const QPaintDevice *device = nullptr);

} // namespace numora
