#include "window/number_form.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// The value's significant digits (trailing zeros dropped) and the decimal
// exponent of the first one, rounded to 7 significant digits.
struct Digits {
    std::string digits;
    int exponent;
};

Digits significantDigits(float magnitude) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 6);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return {digits, std::stoi(text.substr(e + 1))};
}

std::string plainDecimal(const Digits& d) {
    if (d.digits == "0")
        return "0";
    const int wholeCount = d.exponent + 1;
    if (wholeCount <= 0)
        return "0." + std::string(-wholeCount, '0') + d.digits;
    if (wholeCount >= static_cast<int>(d.digits.size()))
        return d.digits + std::string(wholeCount - d.digits.size(), '0');
    return d.digits.substr(0, wholeCount) + "." + d.digits.substr(wholeCount);
}

} // namespace

QString numberForm(float value) {
    if (!std::isfinite(value))
        return QStringLiteral(" %1 ").arg(static_cast<double>(value));
    const char sign = std::signbit(value) && value != 0.0f ? '-' : ' ';
    const std::string digits = plainDecimal(significantDigits(std::fabs(value)));
    return QString::fromLatin1(sign + digits + ' ');
}
