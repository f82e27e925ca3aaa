// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/random_source.h"
#include "core/text_panel.h"

#include <cstdint>
#include <string>

// Empty lines left to write in after each question on the student's sheet.
inline constexpr int writingLines = 10;

// The seed of case `index` (1, 2, ...) of the set made from `setSeed`: a
// teacher reprints one student's case from the two numbers.
std::uint64_t caseSeed(std::uint64_t setSeed, int index);

// One case on paper, printed on below what the two panels already hold: on
// the student's sheet its label, the case and the four questions as the
// exercise window prints them, with room to write after each; in the key
// the same label and the four worked answers. The case is made and worked
// by the exercise itself, step by step.
void printCasePages(RandomSource& random, const std::string& label, TextPanel& sheet,
                    TextPanel& key);
