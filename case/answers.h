// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"

// The worked answers, computed again from what the student was given: the
// dose, the measured concentrations, the weight and the haematocrit. Each
// is a pure function of the case, so any answer can be worked at any time
// and always prints the same numbers.

struct Answer1 {
    float totalbodywater; // L, 50 / antipyrineconc to a hundredth
    float tbwpercent;     // total body water as % of body weight
};
struct Answer2 {
    float totalbodywater; // L, as answer 1 works it
    float ecfanswer;      // L
    float ecfpercent;     // % of total body water
};
struct Answer3 {
    float totalbodywater; // L, as answer 1 works it
    float plasmavolume;   // L, 50 / evansblueconc to a hundredth
    float plasmapercent;  // % of total body water
};
struct Answer4 {
    float plasmavolume;        // L, as answer 3 works it
    float bloodvolume;         // L
    float oneminushaematocrit; // the plasma share of blood, as printed
};

Answer1 answer1(const CaseState& state);
// The percentage is of the total body water answer 1 works out.
Answer2 answer2(const CaseState& state);
Answer3 answer3(const CaseState& state);
// Uses the plasma volume answer 3 works out.
Answer4 answer4(const CaseState& state);
