// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// A number as the panels print it: a space (or "-" when negative), the value
// in plain decimal notation to at most 7 significant digits without trailing
// zeros or a point for whole values, then a space. The decimal mark is the
// one given, "." unless a language writes ",", always with a leading zero
// ("0.45", "0,45"); no locale of the system changes it, so every student's
// screen reads the same as the worked examples of their language.
std::string numberForm(float value, std::string_view decimalMark = ".");
// The same without the spaces on either side: "43.47", "-2,5", as a value
// stands in a sentence or a course's record.
std::string bareNumber(float value, std::string_view decimalMark = ".");

namespace numberform_detail {

// The 7 significant digits of a positive finite value (rounded to nearest,
// as printf and to_chars both round) and the decimal exponent of the first.
struct Digits {
    std::string digits;
    int exponent;
};

// Through std::to_chars where the standard library has it for float
// (not in every WebAssembly toolchain's), and through snprintf everywhere.
bool haveToChars();
Digits digitsByToChars(float magnitude);
Digits digitsByPrintf(float magnitude);

} // namespace numberform_detail
