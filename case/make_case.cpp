// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/make_case.h"

#include "case/truncation.h"

#include <cmath>

namespace {

// The whole part of r * scale + offset, divided by divisor, every step in
// single precision. For the two largest draws r * scale + offset rounds up
// to scale + offset itself, one step past the range (a weight of 95.0, a
// haematocrit of 0.60); only that result is brought back to the top of the
// range, so every other draw keeps its single-precision value.
float wholeSteps(float r, float scale, float offset, float divisor) {
    const float value = std::floor(r * scale + offset) / divisor;
    const float top = (scale + offset - 1.0f) / divisor;
    return value > top ? top : value;
}

void setSex(CaseState& state, float r) {
    state.sexdraw = 2.0f * r;
    state.sex = state.sexdraw <= 1.0f ? Sex::man : Sex::woman;
}

} // namespace

void makecase(CaseState& state, RandomSource& random) {
    random.reseed();
    setSex(state, random.next());
    state.weight = wholeSteps(random.next(), 350.0f, 600.0f, 10.0f);
    state.haematocrit = wholeSteps(random.next(), 20.0f, 40.0f, 100.0f);

    const float waterShare = (random.next() * 15.0f + 50.0f) / 100.0f;
    state.totalbodywater = truncateToTenth(state.weight * waterShare);
    const float extracellularShare = (random.next() * 16.0f + 48.0f) / 100.0f;
    state.extracellularfluid = truncateToTenth(state.totalbodywater * extracellularShare);
    const float plasmaShare = (2.0f * random.next() + 6.0f) / 100.0f;
    state.plasmavolume = truncateToTenth(state.totalbodywater * plasmaShare);

    state.antipyrineconc = truncateToHundredth(indicatorDose / state.totalbodywater);
    state.thiosulphateconc = truncateToHundredth(indicatorDose / state.extracellularfluid);
    state.evansblueconc = truncateToHundredth(indicatorDose / state.plasmavolume);
}
