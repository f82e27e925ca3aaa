// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/worksheet.h"

#include "core/exercise.h"
#include "core/exercise_texts.h"

namespace {

// A well-mixed 64-bit value from another (splitmix64's finalizer), so the
// seeds of neighbouring cases share no pattern.
std::uint64_t mixed(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

void leaveRoomToWrite(TextPanel& sheet) {
    for (int i = 0; i < writingLines; ++i)
        sheet.Print();
}

} // namespace

std::uint64_t caseSeed(std::uint64_t setSeed, int index) {
    return mixed(mixed(setSeed) ^ static_cast<std::uint64_t>(index));
}

void printCasePages(RandomSource& random, const std::string& label, TextPanel& sheet,
                    TextPanel& key) {
    sheet.Print({label});
    key.Print({answerKeyHeading(label)});
    Exercise exercise(random, sheet, key);
    exercise.Form_Load();
    leaveRoomToWrite(sheet);
    for (int n = 1; n <= 4; ++n) {
        key.Print();
        key.Print({answerHeading(n)});
        exercise.workAnswer(n);
        if (n < 4) {
            exercise.poseQuestion(n + 1);
            leaveRoomToWrite(sheet);
        }
    }
}
