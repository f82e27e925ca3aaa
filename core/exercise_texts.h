// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/answers.h"
#include "case/case_state.h"
#include "core/text_panel.h"

// The texts of the exercise, printed statement by statement into a panel.

// The case and question 1, into the empty question panel.
void printCase(TextPanel& panel, const CaseState& state);

void printAnswer1(TextPanel& panel, const CaseState& state, const Answer1& answer);
void printAnswer2(TextPanel& panel, const CaseState& state, const Answer2& answer);
void printAnswer3(TextPanel& panel, const CaseState& state, const Answer3& answer);
void printAnswer4(TextPanel& panel, const CaseState& state, const Answer4& answer);

// Questions 2 to 4, appended to the question panel.
void printQuestion2(TextPanel& panel, const CaseState& state);
void printQuestion3(TextPanel& panel, const CaseState& state);
void printQuestion4(TextPanel& panel, const CaseState& state);

// Slots 5 and 6 have no question: an empty line, then the indent alone.
void printEmptyQuestion(TextPanel& panel);
// ... and no answer: the indent alone.
void printEmptyAnswer(TextPanel& panel);
