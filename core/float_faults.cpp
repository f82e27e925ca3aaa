// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/float_faults.h"

#include <cfenv>
#include <cmath>

namespace {
constexpr int faultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
}

FloatFaultWatch::FloatFaultWatch() {
    std::feclearexcept(faultFlags);
}

bool FloatFaultWatch::faulted() const {
    return std::fetestexcept(faultFlags) != 0;
}

bool allFinite(const std::vector<float>& values) {
    for (const float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

bool allFinite(const CaseState& s) {
    return allFinite({s.weight, s.totalbodywater, s.extracellularfluid, s.plasmavolume,
                      s.haematocrit, s.sexdraw, s.antipyrineconc, s.thiosulphateconc,
                      s.evansblueconc});
}
