// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"

// The worked answers, computed again from what the student was given: the
// dose, the measured concentrations, the weight and the haematocrit.

struct Answer1 {
    float tbwpercent; // total body water as % of body weight
};
struct Answer2 {
    float ecfanswer;  // L
    float ecfpercent; // % of total body water
};
struct Answer3 {
    float plasmapercent; // % of total body water
};
struct Answer4 {
    float bloodvolume;         // L
    float oneminushaematocrit; // the plasma share of blood, as printed
};

// Replaces totalbodywater with 50 / antipyrineconc, to a hundredth.
Answer1 answer1(CaseState& state);
// Uses the totalbodywater of answer1.
Answer2 answer2(const CaseState& state);
// Replaces plasmavolume with 50 / evansblueconc, to a hundredth; the
// percentage uses the totalbodywater of answer1.
Answer3 answer3(CaseState& state);
// Uses the plasmavolume of answer3.
Answer4 answer4(const CaseState& state);
