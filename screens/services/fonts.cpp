#include "screens/services/fonts.h"

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

} // namespace numora
