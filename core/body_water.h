// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"
#include "core/catalogue.h"

#include <array>
#include <cstddef>
#include <string>

// The patient's body water once all four answers are worked: the volumes
// the answers print, the compartments between them, and the words that
// name them. The blood is the plasma and the red cells beside it; the red
// cells' volume is the blood's less its plasma.

enum class Compartment {
    totalbodywater,
    intracellular, // total body water - extracellular fluid
    extracellular,
    interstitial, // extracellular fluid - plasma
    plasma,
    redcells, // blood volume - plasma volume
    blood,
};
inline constexpr std::size_t compartmentCount = 7;

// Each compartment in hundredths of a litre, worked in whole hundredths
// from the answers' own figures so that the parts add up exactly, and as a
// percentage of body weight (1 L of body water weighs 1 kg) in tenths,
// truncated as the answers truncate theirs.
struct BodyWater {
    std::array<int, compartmentCount> hundredths{};
    std::array<int, compartmentCount> percentTenths{};

    int litresHundredths(Compartment part) const {
        return hundredths[static_cast<std::size_t>(part)];
    }
};

// From the worked answers of the case, never the student's own values.
BodyWater bodyWaterOf(const CaseState& state);

// "Intracellular fluid".
std::string compartmentName(const Language& language, Compartment part);
// "Intracellular fluid: 19.32 L, 25.6 %": a label of the picture.
std::string compartmentLabel(const Language& language, const BodyWater& water, Compartment part);
// The litres and the percentage alone, in the language's number form.
std::string compartmentLitres(const Language& language, const BodyWater& water, Compartment part);
std::string compartmentPercent(const Language& language, const BodyWater& water, Compartment part);

// The picture's title, what it shows in a sentence (for its text
// alternative), and the headings of the table that holds its values.
std::string bodyWaterTitle(const Language& language);
std::string bodyWaterSummary(const Language& language);
std::array<std::string, 3> bodyWaterTableHeadings(const Language& language);
// Every value in sentences, for a screen reader where there is no table.
std::string bodyWaterDescription(const Language& language, const BodyWater& water);

// The compartments in the order the picture's text alternative lists them.
inline constexpr std::array<Compartment, compartmentCount> everyCompartment = {
    Compartment::totalbodywater, Compartment::intracellular, Compartment::extracellular,
    Compartment::interstitial,   Compartment::plasma,        Compartment::blood,
    Compartment::redcells,
};
