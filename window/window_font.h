// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The font of every button caption and of all printed text: "MS Sans Serif"
// where it is installed, else the first installed of the faces that share
// its proportions closely enough for the longest answer to fit the panels
// ("Microsoft Sans Serif", "Liberation Sans", "Arimo"; a wide face such as
// DejaVu Sans would not), else the system's sans-serif. Bold, 13 pixels
// high: 9.75 point at the 96 dots per inch the layout is drawn at.
QFont windowFont();

// Whether windowFont() resolves to a face that has the letters and digits
// of the exercise: without any usable font installed, text would be boxes.
bool windowFontDrawsText();
