// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/answer_check.h"

#include "case/answers.h"
#include "case/make_case.h"
#include "core/message.h"
#include "core/number_form.h"
#include "core/utf8.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// The three volumes the dilutions give, from which every value is worked.
struct Volumes {
    double totalbodywater, ecfvolume, plasmavolume;
};

Volumes exactVolumes(const CaseState& state) {
    return {indicatorDose / double(state.antipyrineconc),
            indicatorDose / double(state.thiosulphateconc),
            indicatorDose / double(state.evansblueconc)};
}

double valueFrom(Quantity quantity, const Volumes& v, const CaseState& state) {
    switch (quantity) {
    case Quantity::totalbodywater:
        return v.totalbodywater;
    case Quantity::tbwpercent:
        return 100 * v.totalbodywater / double(state.weight);
    case Quantity::ecfvolume:
        return v.ecfvolume;
    case Quantity::ecfpercent:
        return 100 * v.ecfvolume / v.totalbodywater;
    case Quantity::plasmavolume:
        return v.plasmavolume;
    case Quantity::plasmapercent:
        return 100 * v.plasmavolume / v.totalbodywater;
    case Quantity::bloodvolume:
        break;
    }
    return v.plasmavolume / (1 - double(state.haematocrit));
}

// The earlier values a value is worked from, each a volume.
std::vector<Quantity> inputsOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::tbwpercent:
        return {Quantity::totalbodywater};
    case Quantity::ecfpercent:
        return {Quantity::totalbodywater, Quantity::ecfvolume};
    case Quantity::plasmapercent:
        return {Quantity::totalbodywater, Quantity::plasmavolume};
    case Quantity::bloodvolume:
        return {Quantity::plasmavolume};
    default:
        return {};
    }
}

double& volumeOf(Volumes& volumes, Quantity quantity) {
    return quantity == Quantity::totalbodywater ? volumes.totalbodywater
           : quantity == Quantity::ecfvolume    ? volumes.ecfvolume
                                                : volumes.plasmavolume;
}

// The decimals the worked answers print: volumes to a hundredth,
// percentages to a tenth.
int printedDecimals(Quantity quantity) {
    return isPercentage(quantity) ? 1 : 2;
}

// A target worked from a student's 0 may be infinite, and matches nothing.
bool same(double value, double target) {
    return std::isfinite(target) &&
           std::abs(value - target) <= 1e-6 * std::max(1.0, std::abs(target));
}

// 1 % of a target, a little more for the rounding of the arithmetic.
double onePercentOf(double target) {
    return 0.01 * std::abs(target) * (1 + 1e-9);
}

bool within1Percent(double value, double target) {
    return std::isfinite(target) && std::abs(value - target) <= onePercentOf(target);
}

// Powers of ten, each exact in a double, for the decimals of a number.
constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

double roundedTo(double value, int decimals) {
    const double scale = powersOfTen[decimals];
    return std::floor(value * scale + 0.5) / scale;
}

// Right for a value worked to `target`: within 1 %, or the target rounded
// to the decimals the program prints.
bool matches(double value, double target, int decimals) {
    return within1Percent(value, target) || same(value, roundedTo(target, decimals));
}

bool isRight(const CaseState& state, Quantity quantity, double value) {
    return matches(value, expectedValue(state, quantity), printedDecimals(quantity)) ||
           same(value, printedValue(state, quantity));
}

// A value worked rightly from the student's own wrong earlier values: each
// set of them put in place of the right ones. The question named is the
// earliest whose answer it follows.
std::optional<int> followedQuestion(const CaseState& state, Quantity quantity, double value,
                                    const TypedValues& typed) {
    std::vector<Quantity> wrong;
    for (const Quantity input : inputsOf(quantity)) {
        const auto& own = typed[static_cast<std::size_t>(input)];
        if (own && !isRight(state, input, *own))
            wrong.push_back(input);
    }
    for (std::size_t set = 1; set < (std::size_t{1} << wrong.size()); ++set) {
        Volumes volumes = exactVolumes(state);
        int question = 4;
        for (std::size_t n = 0; n < wrong.size(); ++n)
            if (set & (std::size_t{1} << n)) {
                volumeOf(volumes, wrong[n]) = *typed[static_cast<std::size_t>(wrong[n])];
                question = std::min(question, questionOf(wrong[n]));
            }
        if (matches(value, valueFrom(quantity, volumes, state), printedDecimals(quantity)))
            return question;
    }
    return std::nullopt;
}

// The slips students make, found by working the value as the slip would.
std::optional<Finding> slipIn(const CaseState& state, Quantity quantity, double value) {
    const double expected = expectedValue(state, quantity);
    if (!isPercentage(quantity) &&
        (within1Percent(value, expected * 1000) || within1Percent(value, expected / 1000)))
        return Finding::millilitres;
    if (isPercentage(quantity)) {
        if (within1Percent(value, expected / 100))
            return Finding::fraction;
        const double turned = 100 * 100 / expected; // 100 x whole / part
        if (within1Percent(value, turned) || within1Percent(value, turned / 100))
            return Finding::upsideDown;
    }
    if (quantity == Quantity::bloodvolume) {
        const double plasma = exactVolumes(state).plasmavolume;
        const double haematocrit = state.haematocrit;
        if (within1Percent(value, plasma * (1 - haematocrit)))
            return Finding::timesPlasma;
        if (within1Percent(value, plasma / haematocrit))
            return Finding::overCells;
    }
    return std::nullopt;
}

std::optional<Quantity> otherValueIn(const CaseState& state, Quantity quantity, double value) {
    for (std::size_t n = 0; n < quantityCount; ++n) {
        const auto other = static_cast<Quantity>(n);
        if (other != quantity && isRight(state, other, value))
            return other;
    }
    return std::nullopt;
}

// A positive value in ten-thousandths as a plain decimal: "42.6152", "5",
// "0.0312"; no locale's decimal mark.
std::string tenThousandths(long long value) {
    std::string fraction = std::to_string(value % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return std::to_string(value / 10000) + (fraction.empty() ? "" : "." + fraction);
}

// The value of 4 decimals nearest `edge` that the check takes as right,
// going inward (`inward`: +1 from below, -1 from above): a step either way
// from where the rounding put it settles what the check's own tolerance
// decides at the edge.
long long innermostRight(const CaseState& state, Quantity quantity, double edge, int inward) {
    long long units =
        static_cast<long long>(inward > 0 ? std::ceil(edge * 1e4) : std::floor(edge * 1e4));
    const auto right = [&](long long at) { return isRight(state, quantity, double(at) / 1e4); };
    for (int n = 0; n < 3 && right(units - inward); ++n)
        units -= inward;
    for (int n = 0; n < 3 && !right(units); ++n)
        units += inward;
    return units;
}

// The value as the program prints it, with its unit: "43.47 L", "57,7 %".
std::string withUnit(const Language& language, Quantity quantity, float value) {
    return bareNumber(value, language.decimalMark()) + ' ' + fieldUnit(quantity);
}

} // namespace

int questionOf(Quantity quantity) {
    constexpr int questions[] = {1, 1, 2, 2, 3, 3, 4};
    return questions[static_cast<std::size_t>(quantity)];
}

std::vector<Quantity> quantitiesOf(int question) {
    std::vector<Quantity> asked;
    for (std::size_t n = 0; n < quantityCount; ++n)
        if (questionOf(static_cast<Quantity>(n)) == question)
            asked.push_back(static_cast<Quantity>(n));
    return asked;
}

bool isPercentage(Quantity quantity) {
    return quantity == Quantity::tbwpercent || quantity == Quantity::ecfpercent ||
           quantity == Quantity::plasmapercent;
}

const char* interactionId(Quantity quantity) {
    constexpr const char* ids[] = {"q1-total-body-water-L",    "q1-total-body-water-percent",
                                   "q2-extracellular-fluid-L", "q2-extracellular-fluid-percent",
                                   "q3-plasma-volume-L",       "q3-plasma-volume-percent",
                                   "q4-total-blood-volume-L"};
    return ids[static_cast<std::size_t>(quantity)];
}

std::optional<double> readTypedNumber(std::string_view typed, Quantity quantity) {
    std::string_view text = withoutSpaces(typed);
    const char unit = *fieldUnit(quantity);
    if (!text.empty() && std::toupper(static_cast<unsigned char>(text.back())) == unit)
        text = withoutSpaces(text.substr(0, text.size() - 1));
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    double whole = 0;
    int digits = 0, decimals = 0;
    bool mark = false;
    for (const char c : text) {
        if ((c == '.' || c == ',') && !mark) {
            mark = true;
        } else if (std::isdigit(static_cast<unsigned char>(c)) && digits < 15) {
            whole = whole * 10 + (c - '0');
            ++digits;
            decimals += mark;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const double value = whole / powersOfTen[decimals];
    return negative ? -value : value;
}

double expectedValue(const CaseState& state, Quantity quantity) {
    return valueFrom(quantity, exactVolumes(state), state);
}

float printedValue(const CaseState& state, Quantity quantity) {
    switch (quantity) {
    case Quantity::totalbodywater:
        return answer1(state).totalbodywater;
    case Quantity::tbwpercent:
        return answer1(state).tbwpercent;
    case Quantity::ecfvolume:
        return answer2(state).ecfanswer;
    case Quantity::ecfpercent:
        return answer2(state).ecfpercent;
    case Quantity::plasmavolume:
        return answer3(state).plasmavolume;
    case Quantity::plasmapercent:
        return answer3(state).plasmapercent;
    case Quantity::bloodvolume:
        break;
    }
    return answer4(state).bloodvolume;
}

AcceptedRange acceptedRange(const CaseState& state, Quantity quantity) {
    const double expected = expectedValue(state, quantity);
    const double rounded = roundedTo(expected, printedDecimals(quantity));
    const double printed = printedValue(state, quantity);
    const double low = std::min({expected - onePercentOf(expected), rounded, printed});
    const double high = std::max({expected + onePercentOf(expected), rounded, printed});
    return {tenThousandths(innermostRight(state, quantity, low, 1)),
            tenThousandths(innermostRight(state, quantity, high, -1))};
}

Verdict checkTyped(const CaseState& state, Quantity quantity, double value,
                   const TypedValues& typed) {
    if (isRight(state, quantity, value))
        return {Finding::right};
    if (const auto question = followedQuestion(state, quantity, value, typed))
        return {Finding::consistent, *question};
    if (const auto slip = slipIn(state, quantity, value))
        return {*slip};
    if (const auto other = otherValueIn(state, quantity, value))
        return {Finding::otherValue, questionOf(*other), *other};
    return {Finding::notQuite};
}

std::string checkCaption(const Language& language) {
    // TRANSLATORS: the caption of the button that checks the typed answers.
    return language.text(N_("Check"));
}

std::string fieldLabel(const Language& language, Quantity quantity) {
    constexpr Message labels[] = {N_("Total body water"),
                                  N_("Percentage of body weight"),
                                  N_("Extracellular fluid volume"),
                                  N_("Percentage of total body water"),
                                  N_("Plasma volume"),
                                  N_("Percentage of total body water"),
                                  N_("Total blood volume")};
    return language.text(labels[static_cast<std::size_t>(quantity)]);
}

const char* fieldUnit(Quantity quantity) {
    return isPercentage(quantity) ? "%" : "L";
}

std::string fieldAccessibleName(const Language& language, Quantity quantity) {
    if (isPercentage(quantity))
        return fieldLabel(language, quantity);
    // TRANSLATORS: what a screen reader says for a field a volume is typed
    // into; {label} is the field's label, "Total body water".
    return message(language, N_("{label}, in litres"), {{"label", fieldLabel(language, quantity)}});
}

std::string verdictMessage(const Language& language, Quantity quantity, const Verdict& verdict) {
    constexpr Message turnedOver[] = {
        N_("The ratio is upside down: this is body weight / total body water."),
        N_("The ratio is upside down: this is total body water / extracellular fluid."),
        N_("The ratio is upside down: this is total body water / plasma volume.")};
    constexpr Message notQuite[] = {
        N_("Not quite: work out total body water again, from the dose of antipyrine and its "
           "concentration."),
        N_("Not quite: work out total body water as a percentage of body weight again."),
        N_("Not quite: work out extracellular fluid again, from the dose of thiosulphate and its "
           "concentration."),
        N_("Not quite: work out extracellular fluid as a percentage of total body water again."),
        N_("Not quite: work out plasma volume again, from the dose of Evans blue and its "
           "concentration."),
        N_("Not quite: work out plasma volume as a percentage of total body water again."),
        N_("Not quite: work out total blood volume again, from plasma volume and the "
           "haematocrit.")};
    const std::size_t n = static_cast<std::size_t>(quantity);
    switch (verdict.finding) {
    case Finding::right:
        return language.text(N_("Right."));
    case Finding::consistent:
        // TRANSLATORS: the value is right for the student's own (wrong)
        // answer to an earlier question, number {question}.
        return message(language, N_("Right: consistent with your answer to question {question}."),
                       {{"question", std::to_string(verdict.question)}});
    case Finding::empty:
        return language.text(N_("Type your answer first."));
    case Finding::unreadable:
        return language.text(N_("Type a number, with a decimal point or a decimal comma."));
    case Finding::millilitres:
        return language.text(N_("Check the units: this is 1000 times out. The volume is asked in "
                                "litres (1 L = 1000 mL)."));
    case Finding::fraction:
        return language.text(N_("This is a fraction: as a percentage it is 100 times as large."));
    case Finding::upsideDown: // a ratio only a percentage has
        if (isPercentage(quantity))
            return language.text(turnedOver[n / 2]);
        break;
    case Finding::timesPlasma:
        return language.text(N_("This is plasma volume x (1 - haematocrit): the blood is more "
                                "than its plasma, so divide by (1 - haematocrit)."));
    case Finding::overCells:
        return language.text(N_("This is plasma volume / haematocrit: the haematocrit is the "
                                "cells' share, so divide by (1 - haematocrit)."));
    case Finding::otherValue:
        // TRANSLATORS: {field} is the label of another field, {question}
        // the number of the question that asks it.
        return message(language, N_("That is the answer for \"{field}\" in question {question}."),
                       {{"field", fieldLabel(language, verdict.other)},
                        {"question", std::to_string(verdict.question)}});
    case Finding::notQuite:
        break;
    }
    return language.text(notQuite[n]);
}

std::string shownAnswerMessage(const Language& language, const CaseState& state, Quantity quantity,
                               const std::optional<Verdict>& verdict) {
    const Placeholder value{"value", withUnit(language, quantity, printedValue(state, quantity))};
    if (verdict && verdict->finding == Finding::right)
        return message(language,
                       // TRANSLATORS: {value} is the worked answer with its unit, "43.47 L".
                       N_("Right. The answer: {value}"), {value});
    if (verdict && verdict->finding == Finding::consistent)
        return message(language, N_("Consistent with question {question}. The answer: {value}"),
                       {value, {"question", std::to_string(verdict->question)}});
    return message(language, N_("The answer: {value}"), {value});
}
