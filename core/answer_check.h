// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"
#include "core/catalogue.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Checking what a student types for the values the four questions ask:
// pure functions of the case and the typed values.

// The seven values the questions ask, in the order they are asked.
enum class Quantity {
    totalbodywater,
    tbwpercent,
    ecfvolume,
    ecfpercent,
    plasmavolume,
    plasmapercent,
    bloodvolume,
};
inline constexpr std::size_t quantityCount = 7;

// The question (1 to 4) that asks a value, and the values a question asks.
int questionOf(Quantity quantity);
std::vector<Quantity> quantitiesOf(int question);
bool isPercentage(Quantity quantity);
// A name for the value that a course's records keep: letters, digits and
// hyphens, the same in every language.
const char* interactionId(Quantity quantity);

// A number as a student types it: a decimal point or a decimal comma, an
// optional sign, spaces around, and the field's unit after it ("43.5 L",
// "57,7 %"); nothing for anything else.
std::optional<double> readTypedNumber(std::string_view typed, Quantity quantity);

// The student's readable values so far, by Quantity.
using TypedValues = std::array<std::optional<double>, quantityCount>;

// What a check found.
enum class Finding {
    right,       // within 1 % of the value, or the program's printed value or its rounding
    consistent,  // worked rightly from the student's own wrong answer to an earlier value
    empty,       // nothing typed
    unreadable,  // not a number
    millilitres, // a volume 1000 times too large or too small
    fraction,    // a percentage given as a fraction
    upsideDown,  // the ratio of a percentage turned over
    timesPlasma, // blood volume as plasma volume x (1 - haematocrit)
    overCells,   // blood volume as plasma volume / haematocrit
    otherValue,  // the value another field asks
    notQuite,    // none of these
};
struct Verdict {
    Finding finding = Finding::notQuite;
    // consistent: the question whose answer it follows; otherValue: the
    // value it is, and the question that asks that.
    int question = 0;
    Quantity other = Quantity::totalbodywater;

    bool counts() const { return finding == Finding::right || finding == Finding::consistent; }
};

// The value worked from the printed figures to full precision, and the
// value the program's worked answer prints.
double expectedValue(const CaseState& state, Quantity quantity);
float printedValue(const CaseState& state, Quantity quantity);

// The least and the greatest value of 4 decimals a check takes as right
// (within 1 % of the value, or the printed value or its rounding), each a
// plain decimal with a point: "43.0435", "43.913". A course's record
// gives it as the correct response's range.
struct AcceptedRange {
    std::string low, high;
};
AcceptedRange acceptedRange(const CaseState& state, Quantity quantity);

// Checks the value typed for a quantity; `typed` holds the student's other
// values, for answers worked from them.
Verdict checkTyped(const CaseState& state, Quantity quantity, double value,
                   const TypedValues& typed);

// What a field says after a check; before the worked answer it never
// gives the value.
std::string verdictMessage(const Language& language, Quantity quantity, const Verdict& verdict);
// What it says once the worked answer is shown: the value, and whether the
// student's was right (nothing is said of a value not checked).
std::string shownAnswerMessage(const Language& language, const CaseState& state, Quantity quantity,
                               const std::optional<Verdict>& verdict);
// The caption of the button that checks the fields.
std::string checkCaption(const Language& language);
// A field's label, its unit and the name assistive technology reads.
std::string fieldLabel(const Language& language, Quantity quantity);
const char* fieldUnit(Quantity quantity);
std::string fieldAccessibleName(const Language& language, Quantity quantity);
