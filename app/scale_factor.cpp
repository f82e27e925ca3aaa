// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scale_factor.h"

#include "core/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

std::string shown(double factor) {
    std::ostringstream text;
    text << factor;
    return text.str();
}

} // namespace

ScaleFactor readScaleFactor(const std::string& text) {
    const std::string_view digits = withoutSpaces(text);
    if (digits.empty())
        return {};
    const char* end = digits.data() + digits.size();
    double asked = NAN;
    const auto read = std::from_chars(digits.data(), end, asked);
    const bool number = read.ec == std::errc() && read.ptr == end && !std::isnan(asked);
    const double factor = number ? std::clamp(asked, smallestScale, largestScale) : 1.0;
    if (number && factor == asked)
        return {factor, true, {}};
    return {factor, true,
            "QT_SCALE_FACTOR '" + text + "' is not a number from " + shown(smallestScale) + " to " +
                shown(largestScale) + ": the window is drawn at " + shown(factor)};
}
