// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/practice_layout.h"

#include "case/seeded_random_source.h"
#include "core/answer_check.h"
#include "core/exercise.h"
#include "core/printed_panel.h"

#include <algorithm>
#include <array>

namespace {

constexpr int indent = 28; // where the printed text's column 5 starts
constexpr int rowHeight = 24;
// Beside a worked answer the rows are closer, to fit below its seven lines.
constexpr int shownRowHeight = 20;
constexpr int labelWidth = 280;
constexpr int fieldWidth = 90;
constexpr int unitWidth = 24;
constexpr int gap = 4;
constexpr int checkWidth = 121; // as wide as the buttons that lead on
constexpr int checkHeight = 26;

// The lines each worked answer takes, found by printing them.
int answerLines(int question) {
    static const std::array<int, 4> lines = [] {
        std::array<int, 4> counted{};
        SeededRandomSource random(1);
        PrintedPanel questions, answers;
        Exercise exercise(random, questions, answers);
        exercise.Form_Load();
        for (int n = 1; n <= 4; ++n) {
            answers.Cls();
            exercise.workAnswer(n);
            counted[n - 1] = int(answers.lines().size());
        }
        return counted;
    }();
    return lines[static_cast<std::size_t>(question - 1)];
}

} // namespace

PracticePlaces practicePlaces(int question, bool answerShown, int lineHeight) {
    const int width = pixelsOf(layoutOf(Control::Picture3)).width;
    const int rows = int(quantitiesOf(question).size());
    const int fieldLeft = indent + labelWidth + gap;
    const int unitLeft = fieldLeft + fieldWidth + gap;
    const int afterUnit = unitLeft + unitWidth + gap;
    PracticePlaces places;
    const int height = answerShown ? shownRowHeight : rowHeight;
    int top = answerShown ? answerLines(question) * lineHeight + 2 : 2 * gap;
    for (int row = 0; row < rows; ++row) {
        const PixelRect verdict =
            answerShown ? PixelRect{afterUnit, top, width - afterUnit - gap, height}
                        : PixelRect{indent, top + height + 2, width - indent - gap, lineHeight};
        places.rows.push_back({{indent, top, labelWidth, height},
                               {fieldLeft, top, fieldWidth, height},
                               {unitLeft, top, unitWidth, height},
                               verdict});
        top = answerShown ? top + height + 1 : verdict.top + verdict.height + 2 * gap;
    }
    places.check = {indent, top, checkWidth, checkHeight};
    places.summary = {indent, top + 2, width - indent - gap, lineHeight};
    return places;
}

int practiceLines(int lineHeight) {
    int height = 0;
    for (int question = 1; question <= 4; ++question)
        for (const bool shown : {false, true}) {
            const PracticePlaces places = practicePlaces(question, shown, lineHeight);
            const PixelRect& last = shown && question == 4 ? places.summary
                                    : shown                ? places.rows.back().verdict
                                                           : places.check;
            height = std::max(height, last.top + last.height);
        }
    return (height + lineHeight - 1) / lineHeight;
}
