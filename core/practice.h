// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"
#include "core/answer_check.h"
#include "core/catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One field as a front end shows it.
struct PracticeField {
    Quantity quantity = Quantity::totalbodywater;
    std::string label, unit, accessibleName;
    std::string typed;
    // The last check's message; once the worked answer is shown, the value
    // and whether the student's was right.
    std::string verdict;
    bool editable = false; // until the worked answer is shown
};

// A value's first check, for a course's record: the number as read (with
// a decimal point, to single precision), whether it was right, the
// program's value and the range the check takes as right.
struct Interaction {
    Quantity quantity;
    std::string response;
    bool correct;
    std::string correctResponse;
    AcceptedRange accepted;
};

// What a student has typed and checked in practice: the last text of each
// value, the last check's verdict, and whether the first check of it (the
// first with a number typed) was right, which the score counts.
class Practice {
public:
    void type(Quantity quantity, std::string text);

    // Checks the values of a question and returns the first checks among
    // them. `skipEmpty`: an empty field is left unchecked (as the worked
    // answer is shown) rather than told to type.
    std::vector<Interaction> check(const CaseState& state, int question, bool skipEmpty = false);

    std::vector<PracticeField> fields(const Language& language, const CaseState& state,
                                      int question, bool answerShown) const;
    // How many values were right at their first check, and that as a share
    // of all seven, 0 to 100.
    int rightAtFirst() const;
    int score() const;
    // The same for one question's values, and how many of them have been
    // checked.
    int questionScore(int question) const;
    int checkedOf(int question) const;
    std::string summary(const Language& language) const;

    // The typed texts and first checks as one short line, for a course to
    // keep; restore() brings them back and checks them again.
    std::string record() const;
    void restore(const CaseState& state, std::string_view record);

private:
    struct Entry {
        std::string typed;
        std::optional<Verdict> verdict;
        std::optional<bool> firstRight;
    };
    TypedValues readable() const;
    std::array<Entry, quantityCount> entries_{};
};
