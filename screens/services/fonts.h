#pragma once

#include <QFont>

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

QFont designFont(qreal pointSize = kDesignFontSize, bool bold = false);
QFont controlFont();

} // namespace numora
