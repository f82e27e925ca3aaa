// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/float_faults.h"

#include <cfenv>
#include <cmath>

// WebAssembly has no floating-point exception flags: there the watch sees
// nothing and the check of the values alone stands.
#if defined(FE_OVERFLOW) && defined(FE_DIVBYZERO) && defined(FE_INVALID)
FloatFaultWatch::FloatFaultWatch() {
    std::feclearexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
}

bool FloatFaultWatch::faulted() const {
    return std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID) != 0;
}
#else
FloatFaultWatch::FloatFaultWatch() = default;

bool FloatFaultWatch::faulted() const {
    return false;
}
#endif

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
