// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The scale the window is drawn at, from the text of QT_SCALE_FACTOR
// (empty where it is not set), read before the toolkit starts: a scale
// the window cannot be drawn at (0, a millionth, not a number, a hundred
// times, which would ask for gigabytes) is replaced by the nearest it can,
// and said so, so that no setting leaves an invisible window or a runaway
// program.
struct ScaleFactor {
    double factor = 1;
    bool given = false; // a number the toolkit is to be given
    // One line without the program's name where the text was replaced.
    std::string warning;
};

inline constexpr double smallestScale = 0.5;
inline constexpr double largestScale = 3;

// A number from smallestScale to largestScale, spaces around it, is
// taken; a smaller or larger one is the nearest end of that range; text
// that is not a number (NaN too) is 1.
ScaleFactor readScaleFactor(const std::string& text);
