// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/form_layout.h"

#include "core/exercise_texts.h"

#include <algorithm>
#include <string>
#include <type_traits>

// Tab-separated, built by plain concatenation: the page's module stays small
// without iostreams, and whole numbers read the same in every locale.
std::string layoutTable(const Language& language) {
    const auto field = [](const auto& value) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(value)>>)
            return '\t' + std::to_string(value);
        else
            return '\t' + std::string(value);
    };
    std::string table = "form" + field(toPixels(formWidth)) + field(toPixels(formHeight)) +
                        field(fontPixelSize) + field(formCaption) + '\n';
    for (const ControlLayout& row : formLayout) {
        const PixelRect r = pixelsOf(row);
        table += "control" + field(static_cast<int>(row.control)) + field(row.name) +
                 field(kindName(row.kind)) + field(r.left) + field(r.top) + field(r.width) +
                 field(r.height) + field(captionOf(language, row.control)) +
                 field(accessibleNameOf(language, row.control)) + '\n';
    }
    const PixelRect room = pictureRoom();
    return table + "picture" + field(room.left) + field(room.top) + field(room.width) +
           field(room.height) + field(pictureFontPixelSize) + '\n';
}

std::optional<FittedLayout> fitToHeight(int height, int lineHeight, const ExerciseReach& reach) {
    const PixelRect questions = pixelsOf(layoutOf(Control::Picture1));
    const PixelRect answers = pixelsOf(layoutOf(Control::Picture3));
    const PixelRect end = pixelsOf(layoutOf(Control::end));
    const int full = toPixels(formHeight);
    const int lift = std::max(0, full - height);
    const int gap = answers.top - (questions.top + questions.height);
    const int answersTop =
        std::max(answers.top - lift, questions.top + reach.questionLines * lineHeight + gap);
    const int answersBottom = answers.top + answers.height - lift;
    const int endTop = std::max(end.top - lift, reach.lowestButtonBottom + gap);
    if (answersBottom - answersTop < reach.answerLines * lineHeight ||
        endTop + end.height > full - lift)
        return std::nullopt;
    return FittedLayout{
        full - lift,
        {questions.left, questions.top, questions.width, answersTop - gap - questions.top},
        {answers.left, answersTop, answers.width, answersBottom - answersTop},
        {end.left, endTop, end.width, end.height}};
}
