// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/sheet_options.h"

class QIODevice;

// Renders the students' sheets, and the answer key where a device is given,
// one page a case, as PDF into the devices.
void renderClassSet(const SheetOptions& options, QIODevice& sheets, QIODevice* key);
