// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/answers.h"

#include "case/make_case.h"
#include "case/truncation.h"

namespace {

float percentToTenth(float part, float whole) {
    return truncateToTenth(100.0f * (part / whole));
}

} // namespace

Answer1 answer1(CaseState& state) {
    state.totalbodywater = indicatorDose / state.antipyrineconc;
    state.totalbodywater = truncateToHundredth(state.totalbodywater);
    return {percentToTenth(state.totalbodywater, state.weight)};
}

Answer2 answer2(const CaseState& state) {
    const float ecfanswer = truncateToHundredth(indicatorDose / state.thiosulphateconc);
    return {ecfanswer, percentToTenth(ecfanswer, state.totalbodywater)};
}

Answer3 answer3(CaseState& state) {
    state.plasmavolume = indicatorDose / state.evansblueconc;
    state.plasmavolume = truncateToHundredth(state.plasmavolume);
    return {percentToTenth(state.plasmavolume, state.totalbodywater)};
}

Answer4 answer4(const CaseState& state) {
    const float bloodvolume = truncateToHundredth(state.plasmavolume / (1.0f - state.haematocrit));
    return {bloodvolume, 1.0f - state.haematocrit};
}
