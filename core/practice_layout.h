// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/form_layout.h"

#include <vector>

// Where practice's controls lie in the answer panel, in pixels at full size
// from the panel's top-left corner. While a question is posed, each field
// has its row and its verdict on the line below it, and the Check button
// follows; once the worked answer is shown, the rows follow its lines with
// the verdict beside each field, and after answer 4 the summary below them.
struct PracticeRowPlaces {
    PixelRect label, field, unit, verdict;
};
struct PracticePlaces {
    std::vector<PracticeRowPlaces> rows;
    PixelRect check, summary;
};
PracticePlaces practicePlaces(int question, bool answerShown, int lineHeight);

// The most practice takes of the answer panel at any stage, in whole lines
// of `lineHeight`, for a page that fits the panel to a shorter viewport.
int practiceLines(int lineHeight);
