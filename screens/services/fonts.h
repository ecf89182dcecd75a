#pragma once

#include <QFont>

namespace numora {

// Where the design names MS Sans Serif or Arial: Liberation Sans, metric-compatible with Arial.
inline constexpr const char *kDesignFontFamily = "Liberation Sans";
// The designed control font size (MS Sans Serif 8.25 point).
inline constexpr qreal kDesignFontSize = 8.25;

QFont designFont(qreal pointSize = kDesignFontSize, bool bold = false);

} // namespace numora
