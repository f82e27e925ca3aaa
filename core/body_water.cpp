// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/body_water.h"

#include "case/answers.h"
#include "case/truncation.h"
#include "core/message.h"
#include "core/number_form.h"

#include <algorithm>
#include <cmath>

namespace {

int hundredthsOf(float litres) {
    return static_cast<int>(std::lround(static_cast<double>(litres) * 100.0));
}

std::size_t at(Compartment part) {
    return static_cast<std::size_t>(part);
}

} // namespace

BodyWater bodyWaterOf(const CaseState& state) {
    BodyWater water;
    auto& h = water.hundredths;
    const Answer1 first = answer1(state);
    h[at(Compartment::totalbodywater)] = hundredthsOf(first.totalbodywater);
    h[at(Compartment::extracellular)] = hundredthsOf(answer2(state).ecfanswer);
    h[at(Compartment::plasma)] = hundredthsOf(answer3(state).plasmavolume);
    h[at(Compartment::blood)] = hundredthsOf(answer4(state).bloodvolume);
    // A part is never drawn less than empty, whatever the answers give.
    const auto less = [&](Compartment whole, Compartment part) {
        return std::max(0, h[at(whole)] - h[at(part)]);
    };
    h[at(Compartment::intracellular)] =
        less(Compartment::totalbodywater, Compartment::extracellular);
    h[at(Compartment::interstitial)] = less(Compartment::extracellular, Compartment::plasma);
    h[at(Compartment::redcells)] = less(Compartment::blood, Compartment::plasma);
    // Worked as answer 1 works its percentage, in single precision, so
    // that total body water shows the percentage answer 1 prints.
    for (std::size_t n = 0; n < compartmentCount; ++n) {
        const float litres = n == at(Compartment::totalbodywater)
                                 ? first.totalbodywater
                                 : static_cast<float>(h[n]) / 100.0f;
        water.percentTenths[n] = static_cast<int>(
            std::lround(truncateToTenth(100.0f * (litres / state.weight)) * 10.0f));
    }
    return water;
}

std::string compartmentName(const Language& language, Compartment part) {
    // TRANSLATORS: the parts of the patient's body water in the picture
    // drawn to scale after answer 4. The blood is the plasma and the red
    // cells beside it.
    constexpr Message names[] = {N_("Total body water"),
                                 N_("Intracellular fluid"),
                                 N_("Extracellular fluid"),
                                 N_("Interstitial fluid"),
                                 N_("Plasma"),
                                 N_("Red cells"),
                                 N_("Blood")};
    return language.text(names[at(part)]);
}

std::string compartmentLitres(const Language& language, const BodyWater& water, Compartment part) {
    return bareNumber(static_cast<float>(water.hundredths[at(part)]) / 100.0f,
                      language.decimalMark());
}

std::string compartmentPercent(const Language& language, const BodyWater& water, Compartment part) {
    return bareNumber(static_cast<float>(water.percentTenths[at(part)]) / 10.0f,
                      language.decimalMark());
}

std::string compartmentLabel(const Language& language, const BodyWater& water, Compartment part) {
    // TRANSLATORS: a label of the picture: {name} is a part of the body
    // water, {litres} its volume and {percent} its percentage of body
    // weight. A label breaks into lines at its spaces where it must.
    // xgettext:no-c-format ("%" is the percent sign)
    return message(language, N_("{name}: {litres} L, {percent} %"),
                   {{"name", compartmentName(language, part)},
                    {"litres", compartmentLitres(language, water, part)},
                    {"percent", compartmentPercent(language, water, part)}});
}

std::string bodyWaterTitle(const Language& language) {
    // TRANSLATORS: the title of the picture of the patient's body water.
    // xgettext:no-c-format ("%" is the percent sign)
    return language.text(N_("Body water to scale, in litres and as % of body weight"));
}

std::string bodyWaterSummary(const Language& language) {
    return language.text(
        N_("A bar of total body water drawn to scale, cut into intracellular fluid, "
           "interstitial fluid and plasma; a bracket marks the extracellular fluid, and the red "
           "cells beside the plasma make up the blood."));
}

std::array<std::string, 3> bodyWaterTableHeadings(const Language& language) {
    // TRANSLATORS: the headings of the table of the picture's values.
    return {language.text(N_("Part")), language.text(N_("Litres")),
            // xgettext:no-c-format ("%" is the percent sign)
            language.text(N_("% of body weight"))};
}

std::string bodyWaterDescription(const Language& language, const BodyWater& water) {
    std::string text = bodyWaterSummary(language);
    for (const Compartment part : everyCompartment)
        text += ' ' + compartmentLabel(language, water, part) + '.';
    return text;
}
