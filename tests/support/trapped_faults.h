// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfenv>

// While one lives, overflow, division by zero and invalid operations stop
// the test instead of passing silently, where glibc can trap them.
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
