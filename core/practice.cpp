// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/practice.h"

#include "core/message.h"
#include "core/number_form.h"

#include <algorithm>

namespace {

// What a record keeps of one typed text: none of its separator, no
// control character (each is U+FFFD, as unreadable a number: a course's
// database may refuse a NUL), and no more than a field can sensibly hold,
// cut between two UTF-8 characters.
constexpr char recordSeparator = '|';
constexpr std::size_t longestKeptText = 24;

std::string keptText(const std::string& typed) {
    std::string text;
    for (const char c : typed) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            text += "\xef\xbf\xbd";
        else if (c != recordSeparator)
            text += c;
    }
    std::size_t end = std::min(text.size(), longestKeptText);
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
    return text;
}

// `part` of `whole` as a whole percentage, rounded half up.
int percentOf(int part, int whole) {
    return (200 * part + whole) / (2 * whole);
}

} // namespace

void Practice::type(Quantity quantity, std::string text) {
    entries_[static_cast<std::size_t>(quantity)].typed = std::move(text);
}

TypedValues Practice::readable() const {
    TypedValues values;
    for (std::size_t n = 0; n < quantityCount; ++n)
        values[n] = readTypedNumber(entries_[n].typed, static_cast<Quantity>(n));
    return values;
}

std::vector<Interaction> Practice::check(const CaseState& state, int question, bool skipEmpty) {
    std::vector<Interaction> first;
    const TypedValues values = readable();
    for (const Quantity quantity : quantitiesOf(question)) {
        Entry& entry = entries_[static_cast<std::size_t>(quantity)];
        const auto& value = values[static_cast<std::size_t>(quantity)];
        const bool empty = entry.typed.find_first_not_of(' ') == std::string::npos;
        if (empty && skipEmpty)
            continue;
        if (!value) {
            entry.verdict = Verdict{empty ? Finding::empty : Finding::unreadable};
            continue;
        }
        entry.verdict = checkTyped(state, quantity, *value, values);
        if (entry.firstRight)
            continue;
        entry.firstRight = entry.verdict->counts();
        first.push_back({quantity, bareNumber(static_cast<float>(*value)), *entry.firstRight,
                         bareNumber(printedValue(state, quantity)),
                         acceptedRange(state, quantity)});
    }
    return first;
}

std::vector<PracticeField> Practice::fields(const Language& language, const CaseState& state,
                                            int question, bool answerShown) const {
    std::vector<PracticeField> shown;
    for (const Quantity quantity : quantitiesOf(question)) {
        const Entry& entry = entries_[static_cast<std::size_t>(quantity)];
        PracticeField field;
        field.quantity = quantity;
        field.label = fieldLabel(language, quantity);
        field.unit = fieldUnit(quantity);
        field.accessibleName = fieldAccessibleName(language, quantity);
        field.typed = entry.typed;
        field.editable = !answerShown;
        if (answerShown)
            field.verdict = shownAnswerMessage(language, state, quantity, entry.verdict);
        else if (entry.verdict)
            field.verdict = verdictMessage(language, quantity, *entry.verdict);
        shown.push_back(std::move(field));
    }
    return shown;
}

int Practice::rightAtFirst() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [](const Entry& entry) {
        return entry.firstRight.value_or(false);
    }));
}

int Practice::score() const {
    return percentOf(rightAtFirst(), int(quantityCount));
}

int Practice::questionScore(int question) const {
    const std::vector<Quantity> asked = quantitiesOf(question);
    const auto right = std::count_if(asked.begin(), asked.end(), [&](Quantity quantity) {
        return entries_[static_cast<std::size_t>(quantity)].firstRight.value_or(false);
    });
    return percentOf(static_cast<int>(right), static_cast<int>(asked.size()));
}

int Practice::checkedOf(int question) const {
    const std::vector<Quantity> asked = quantitiesOf(question);
    return static_cast<int>(std::count_if(asked.begin(), asked.end(), [&](Quantity quantity) {
        return entries_[static_cast<std::size_t>(quantity)].firstRight.has_value();
    }));
}

std::string Practice::summary(const Language& language) const {
    return message(
        language,
        // TRANSLATORS: {right} and {count} are whole numbers: "5 of 7".
        N_("Right at the first check: {right} of {count} values."),
        {{"right", std::to_string(rightAtFirst())}, {"count", std::to_string(quantityCount)}});
}

std::string Practice::record() const {
    std::string line;
    for (const Entry& entry : entries_) {
        if (!line.empty())
            line += recordSeparator;
        line += !entry.firstRight ? '.' : *entry.firstRight ? '+' : '-';
        line += keptText(entry.typed);
    }
    return line;
}

void Practice::restore(const CaseState& state, std::string_view record) {
    std::size_t n = 0;
    for (std::size_t at = 0; n < quantityCount && at < record.size(); ++n) {
        const std::size_t end = std::min(record.find(recordSeparator, at), record.size());
        const std::string_view kept = record.substr(at, end - at);
        at = end + 1;
        Entry& entry = entries_[n];
        entry.typed = keptText(std::string(kept.substr(std::min<std::size_t>(1, kept.size()))));
        entry.firstRight.reset();
        if (!kept.empty() && (kept.front() == '+' || kept.front() == '-'))
            entry.firstRight = kept.front() == '+';
    }
    const TypedValues values = readable();
    for (std::size_t k = 0; k < quantityCount; ++k)
        if (entries_[k].firstRight && values[k])
            entries_[k].verdict = checkTyped(state, static_cast<Quantity>(k), *values[k], values);
}
