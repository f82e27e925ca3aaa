// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/sheet_options.h"

class QIODevice;

// Renders the students' sheets, one page a case, and the answer key where a
// device is given, as many whole cases a page as fit (or one a page), as
// PDF into the devices.
void renderClassSet(const SheetOptions& options, QIODevice& sheets, QIODevice* key);
