#include "case/make_case.h"

#include "case/truncation.h"

#include <cmath>

namespace {

// The whole part of r * scale + offset, divided by divisor. For a draw on the
// 24-bit grid the product and sum are exact in double; in single precision
// the two largest draws would round up to scale + offset and step outside
// the range (a weight of 95.0, a haematocrit of 0.60).
float wholeSteps(float r, double scale, double offset, float divisor) {
    const double whole = std::floor(static_cast<double>(r) * scale + offset);
    return static_cast<float>(whole) / divisor;
}

void setSex(CaseState& state, float r) {
    state.sexdraw = 2.0f * r;
    if (state.sexdraw <= 1.0f) {
        state.noun = "man";
        state.possessive = "his";
        state.pronoun = "He";
    }
    if (state.sexdraw > 1.0f) {
        state.noun = "woman";
        state.possessive = "her";
        state.pronoun = "She";
    }
}

} // namespace

void makecase(CaseState& state, RandomSource& random) {
    random.reseed();
    setSex(state, random.next());
    state.weight = wholeSteps(random.next(), 350.0, 600.0, 10.0f);
    state.haematocrit = wholeSteps(random.next(), 20.0, 40.0, 100.0f);

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
