// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A colour as 8-bit red, green and blue.
struct Rgb {
    int red, green, blue;
};

// The contrast ratio of two colours, 1 to 21, as the Web Content
// Accessibility Guidelines define it from relative luminance.
double contrastRatio(Rgb a, Rgb b);

// The contrast that normal-sized text needs to be read.
inline constexpr double readableContrast = 4.5;

// The colour itself when it reads on white, otherwise black: the panels are
// white on every desktop, and a dark scheme's light text would vanish there.
Rgb readableOnWhite(Rgb ink);
