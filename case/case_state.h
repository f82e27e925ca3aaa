// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The patient's sex, which the texts are worded for.
enum class Sex { man, woman };

// The patient of one run: what the student is shown (weight, haematocrit,
// concentrations) and the hidden volumes they were derived from. Answers 1
// and 3 overwrite totalbodywater and plasmavolume with their worked values.
struct CaseState {
    float weight = 0;             // kg
    float totalbodywater = 0;     // L
    float extracellularfluid = 0; // L
    float plasmavolume = 0;       // L
    float haematocrit = 0;        // fraction
    float sexdraw = 0;            // 0 to under 2; up to 1 is a man
    Sex sex = Sex::man;
    float antipyrineconc = 0;   // µg per mL
    float thiosulphateconc = 0; // µg per mL
    float evansblueconc = 0;    // µg per mL
};
