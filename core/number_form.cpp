// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#ifdef COMPARTICA_FLOAT_TO_CHARS
#include <charconv>
#endif

namespace numberform_detail {
namespace {

// Splits "d.dddddde[+-]xx" into its digits and exponent. Any character
// between the first digit and the rest is the locale's decimal point, so
// only digits are kept before the exponent.
Digits fromScientific(const std::string& text) {
    const auto e = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            digits += text[i];
    return {digits, std::stoi(text.substr(e + 1))};
}

} // namespace

bool haveToChars() {
#ifdef COMPARTICA_FLOAT_TO_CHARS
    return true;
#else
    return false;
#endif
}

#ifdef COMPARTICA_FLOAT_TO_CHARS
Digits digitsByToChars(float magnitude) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 6);
    return fromScientific(std::string(buffer, result.ptr));
}
#else
Digits digitsByToChars(float magnitude) {
    return digitsByPrintf(magnitude);
}
#endif

// The float widens to double exactly, so printf rounds the same value to
// the same 7 digits as to_chars does.
Digits digitsByPrintf(float magnitude) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.6e", static_cast<double>(magnitude));
    return fromScientific(std::string(buffer, static_cast<std::size_t>(length)));
}

} // namespace numberform_detail

namespace {

using numberform_detail::Digits;

std::string plainDecimal(Digits d, std::string_view mark) {
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0")
        return "0";
    const int wholeCount = d.exponent + 1;
    if (wholeCount >= static_cast<int>(d.digits.size()))
        return d.digits + std::string(wholeCount - d.digits.size(), '0');
    // Appended piece by piece: GCC 12 warns of an overlap that cannot
    // happen in a chain of + on temporaries here.
    std::string text = wholeCount <= 0 ? "0" : d.digits.substr(0, wholeCount);
    text.append(mark);
    if (wholeCount <= 0)
        text.append(static_cast<std::size_t>(-wholeCount), '0');
    text.append(d.digits, static_cast<std::size_t>(std::max(wholeCount, 0)));
    return text;
}

} // namespace

std::string numberForm(float value, std::string_view decimalMark) {
    const char sign = std::signbit(value) && value != 0.0f ? '-' : ' ';
    if (!std::isfinite(value))
        return sign + std::string(std::isnan(value) ? "nan" : "inf") + ' ';
    const float magnitude = std::fabs(value);
    const Digits digits = numberform_detail::haveToChars()
                              ? numberform_detail::digitsByToChars(magnitude)
                              : numberform_detail::digitsByPrintf(magnitude);
    return sign + plainDecimal(digits, decimalMark) + ' ';
}

std::string bareNumber(float value, std::string_view decimalMark) {
    std::string text = numberForm(value, decimalMark);
    text.pop_back();
    return text.front() == ' ' ? text.substr(1) : text;
}
