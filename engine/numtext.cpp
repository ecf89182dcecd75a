#include "engine/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace numora::engine {

std::string leadingBlank(long long value)
{
    return value < 0 ? "-" + plain(-value) : " " + plain(value);
}

std::string plain(long long value)
{
    return std::to_string(value);
}

std::string leadingBlank(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? " 0" : (value > 0 ? " inf" : "-inf");

    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", std::fabs(value));
    std::string text(buf);

    // Split off an exponent, drop trailing zeros of the fraction, then the zero before the point.
    std::string exponent;
    if (const auto e = text.find('E'); e != std::string::npos) {
        exponent = text.substr(e);
        text.erase(e);
    }
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    if (text.size() > 1 && text[0] == '0' && text[1] == '.')
        text.erase(0, 1);
    if (!exponent.empty()) {
        // "E-05" style: sign and at least two digits.
        const char sign = exponent[1];
        std::string digits = exponent.substr(2);
        while (digits.size() > 2 && digits[0] == '0')
            digits.erase(0, 1);
        text += std::string("E") + sign + digits;
    }
    return (value < 0 ? "-" : " ") + text;
}

long long roundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<long long>(std::nearbyint(value));
}

double roundHalfEven(double value, int places)
{
    const double scale = std::pow(10.0, places);
    const double scaled = value * scale;
    double rounded = std::nearbyint(scaled);
    // Values a hair away from a half through binary representation round as the decimal they show.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", scaled);
    double shown = 0;
    std::from_chars(buf, buf + std::char_traits<char>::length(buf), shown);
    if (std::fabs(shown - std::trunc(shown)) == 0.5)
        rounded = std::nearbyint(shown);
    return rounded / scale;
}

double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && text[digitsStart] == '.'))
        return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t expDigits = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (j > expDigits)
            end = j;
    }
    std::string number(text.substr(start, end - start));
    if (!number.empty() && number[0] == '+')
        number.erase(0, 1);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (number.find("e-") != std::string::npos || number.find("E-") != std::string::npos)
            return 0.0;
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return ec == std::errc() ? value : 0.0;
}

} // namespace numora::engine
