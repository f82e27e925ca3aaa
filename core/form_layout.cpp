// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/form_layout.h"

#include "core/exercise_texts.h"

#include <locale>
#include <sstream>

std::string layoutTable() {
    std::ostringstream table;
    table.imbue(std::locale::classic());
    table << "form\t" << toPixels(formWidth) << '\t' << toPixels(formHeight) << '\t'
          << fontPixelSize << '\t' << formCaption << '\n';
    for (const ControlLayout& row : formLayout) {
        const PixelRect r = pixelsOf(row);
        table << "control\t" << static_cast<int>(row.control) << '\t' << row.name << '\t'
              << kindName(row.kind) << '\t' << r.left << '\t' << r.top << '\t' << r.width << '\t'
              << r.height << '\t' << captionOf(row.control) << '\t' << accessibleNameOf(row.control)
              << '\n';
    }
    return table.str();
}
