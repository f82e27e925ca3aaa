// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// Cuts a positive value down to a tenth or a hundredth, every step in single
// precision: multiply, take the largest whole number not greater, divide back.
inline float truncateToTenth(float value) {
    return std::floor(value * 10.0f) / 10.0f;
}

inline float truncateToHundredth(float value) {
    return std::floor(value * 100.0f) / 100.0f;
}
