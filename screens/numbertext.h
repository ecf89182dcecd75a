#pragma once

#include "engine/numtext.h"

#include <QString>

namespace numora {

// A number as the windows write it: the leading-blank form (" 6", " .125") and plain decimal.
inline QString lb(long long n)
{
    return QString::fromStdString(engine::leadingBlank(n));
}
inline QString plainText(long long n)
{
    return QString::fromStdString(engine::plain(n));
}

// The caption of the custom lottery's selection and display windows: "Custom lottery 6/49".
inline QString customLotteryCaption(long long drawn, long long balls)
{
    return QStringLiteral("Custom lottery %1/%2").arg(plainText(drawn), plainText(balls));
}

} // namespace numora
