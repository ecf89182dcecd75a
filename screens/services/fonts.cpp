#include "screens/services/fonts.h"

#include "screens/services/geometry.h"

#include <QFontMetrics>

#include <algorithm>

namespace numora {

namespace {

QFont sansFont(const char *family, qreal pointSize, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont designFont(qreal pointSize, bool bold)
{
    return sansFont(kDesignFontFamily, pointSize, bold);
}

QFont controlFont()
{
    return sansFont(kControlFontFamily, kControlFontSize, false);
}

int lineHeight(const QFont &font, const QPaintDevice *device)
{
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    if (font.family() != QLatin1String(kControlFontFamily) || font.pointSizeF() <= 0)
        return metrics.lineSpacing();
    const qreal designed = qreal(kControlLineHeightTwips) / kTwipsPerPixel;
    return std::max(1, qRound(designed * font.pointSizeF() / kControlFontSize));
}

} // namespace numora
