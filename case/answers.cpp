// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/answers.h"

#include "case/make_case.h"
#include "case/truncation.h"

namespace {

float percentToTenth(float part, float whole) {
    return truncateToTenth(100.0f * (part / whole));
}

// The volume in which the dose of an indicator is dissolved, to a hundredth.
float dilutionVolume(float concentration) {
    const float volume = indicatorDose / concentration;
    return truncateToHundredth(volume);
}

} // namespace

Answer1 answer1(const CaseState& state) {
    const float totalbodywater = dilutionVolume(state.antipyrineconc);
    return {totalbodywater, percentToTenth(totalbodywater, state.weight)};
}

Answer2 answer2(const CaseState& state) {
    const float totalbodywater = answer1(state).totalbodywater;
    const float ecfanswer = dilutionVolume(state.thiosulphateconc);
    return {totalbodywater, ecfanswer, percentToTenth(ecfanswer, totalbodywater)};
}

Answer3 answer3(const CaseState& state) {
    const float totalbodywater = answer1(state).totalbodywater;
    const float plasmavolume = dilutionVolume(state.evansblueconc);
    return {totalbodywater, plasmavolume, percentToTenth(plasmavolume, totalbodywater)};
}

Answer4 answer4(const CaseState& state) {
    const float plasmavolume = answer3(state).plasmavolume;
    const float bloodvolume = truncateToHundredth(plasmavolume / (1.0f - state.haematocrit));
    return {plasmavolume, bloodvolume, 1.0f - state.haematocrit};
}
