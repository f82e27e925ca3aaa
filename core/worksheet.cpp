// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/worksheet.h"

#include "core/exercise.h"
#include "core/exercise_texts.h"

#include <algorithm>

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

// The whole number that `text` holds from `at` on, up to `end` or the end
// of the text: at least one and at most `digits` digits, below `limit`.
std::optional<std::uint64_t> wholeNumber(const std::string& text, std::size_t at, std::size_t end,
                                         std::size_t digits, std::uint64_t limit) {
    end = std::min(end, text.size());
    if (at >= end || end - at > digits)
        return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = at; i < end; ++i) {
        const auto digit = static_cast<unsigned>(text[i] - '0');
        if (digit > 9 || value > (limit - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// The label, the name and date, and the link with the lines it stands
// among, then one empty line.
void printHeader(const std::string& label, const std::vector<std::string>& link, TextPanel& sheet,
                 const Language& language) {
    sheet.Print({label});
    sheet.Print();
    sheet.Print({nameAndDateLine(language)});
    if (!link.empty()) {
        sheet.Print();
        sheet.Print({caseLinkIntro(language)});
        for (const std::string& line : link)
            sheet.Print({line});
    }
    sheet.Print();
}

// How many characters of `text` from `start` on fit a line, at least one.
std::size_t fittingLength(const std::string& text, std::size_t start,
                          const std::function<bool(const std::string&)>& fits) {
    std::size_t length = 1;
    while (start + length < text.size() && fits(text.substr(start, length + 1)))
        ++length;
    return length;
}

} // namespace

std::optional<CaseRef> parseCaseRef(const std::string& text) {
    const std::size_t dash = text.find('-');
    const auto set = wholeNumber(text, 0, dash, 20, UINT64_MAX);
    if (!set)
        return std::nullopt;
    if (dash == std::string::npos)
        return CaseRef{*set, 1, true};
    const auto index = wholeNumber(text, dash + 1, std::string::npos, 3, largestSet);
    if (!index || *index < 1)
        return std::nullopt;
    return CaseRef{*set, static_cast<int>(*index), false};
}

std::uint64_t caseSeed(std::uint64_t setSeed, int index) {
    return mixed(mixed(setSeed) ^ static_cast<std::uint64_t>(index));
}

std::vector<std::string> addressLines(const std::string& address,
                                      const std::function<bool(const std::string&)>& fits) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < address.size();) {
        std::size_t length = fittingLength(address, start, fits);
        if (start + length < address.size()) {
            const std::size_t mark = address.find_last_of("/?&=", start + length - 1);
            if (mark != std::string::npos && mark >= start + length / 2)
                length = mark + 1 - start;
        }
        lines.push_back(address.substr(start, length));
        start += length;
    }
    return lines;
}

std::optional<BodyWater> printCasePages(RandomSource& random, const std::string& label,
                                        const std::vector<std::string>& link, TextPanel& sheet,
                                        TextPanel& key, const Language& language) {
    printHeader(label, link, sheet, language);
    key.Print({answerKeyHeading(language, label)});
    Exercise exercise(random, sheet, key, language);
    exercise.Form_Load();
    leaveRoomToWrite(sheet);
    for (int n = 1; n <= 4; ++n) {
        key.Print();
        key.Print({answerHeading(language, n)});
        exercise.workAnswer(n);
        if (n < 4) {
            exercise.poseQuestion(n + 1);
            leaveRoomToWrite(sheet);
        }
    }
    for (int n = 0; n < keyPictureLines; ++n)
        key.Print();
    if (!exercise.stage().complete)
        return std::nullopt;
    return bodyWaterOf(exercise.caseState());
}
