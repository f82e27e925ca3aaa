// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"
#include "case/random_source.h"

// The dose of each indicator, in mg.
inline constexpr float indicatorDose = 50.0f;

// Reseeds the source and invents a new patient, one draw per step, in the
// order: sex, weight, haematocrit, total body water, extracellular fluid,
// plasma volume. The three concentrations follow from the volumes.
void makecase(CaseState& state, RandomSource& random);
