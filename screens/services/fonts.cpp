#include "screens/services/fonts.h"

namespace numora {

QFont designFont(qreal pointSize, bool bold)
{
    QFont font(QString::fromLatin1(kDesignFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace numora
