// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"

#include <vector>

// Watches one step of arithmetic for overflow, division by zero and invalid
// operations: clears the exception flags when made, reads them on request.
// (WebAssembly keeps no flags; there the values themselves are checked.)
class FloatFaultWatch {
public:
    FloatFaultWatch();
    bool faulted() const;
};

// Whether every number of the case, or of a step's results, is finite.
bool allFinite(const CaseState& state);
bool allFinite(const std::vector<float>& values);
