// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfenv>

// While one lives, overflow, division by zero and invalid operations stop
// the test with a signal instead of passing silently. Trapping them is
// glibc's (feenableexcept); elsewhere nothing is trapped, and the tests
// still check every value they make.
class TrappedFaults {
public:
    TrappedFaults() {
#ifdef __GLIBC__
        feenableexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
#endif
    }
    ~TrappedFaults() {
#ifdef __GLIBC__
        fedisableexcept(FE_ALL_EXCEPT);
#endif
    }
};
