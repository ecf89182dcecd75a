#pragma once

#include <string>
#include <string_view>

// The number texts the program writes and reads.
namespace numora::engine {

// A blank for zero and positive numbers (a minus for negative ones), then the number:
// " 20", "-3", " .125". Fractions have at most 15 significant digits, no zero before the
// point and no trailing zeros.
std::string leadingBlank(double value);
std::string leadingBlank(long long value);
inline std::string leadingBlank(int value) { return leadingBlank(static_cast<long long>(value)); }

// The digits alone: "49".
std::string plain(long long value);

// Nearest integer, an exact half going to the even neighbour.
long long roundHalfEven(double value);

// Value to a number of decimal places, an exact half going to the even digit.
double roundHalfEven(double value, int places);

// The number at the start of a text: leading blanks allowed, then an optional sign, digits,
// an optional fraction and exponent. An empty or non-numeric text gives 0.
double leadingNumber(std::string_view text);

} // namespace numora::engine
