// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/form_layout.h"

#include "core/exercise_texts.h"

#include <string>
#include <type_traits>

// Tab-separated, built by plain concatenation: the page's module stays small
// without iostreams, and whole numbers read the same in every locale.
std::string layoutTable() {
    const auto field = [](const auto& value) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(value)>>)
            return '\t' + std::to_string(value);
        else
            return '\t' + std::string(value);
    };
    std::string table = "form" + field(toPixels(formWidth)) + field(toPixels(formHeight)) +
                        field(fontPixelSize) + field(toPixels(formHeight, minimumZoom)) +
                        field(formCaption) + '\n';
    for (const ControlLayout& row : formLayout) {
        const PixelRect r = pixelsOf(row);
        table += "control" + field(static_cast<int>(row.control)) + field(row.name) +
                 field(kindName(row.kind)) + field(r.left) + field(r.top) + field(r.width) +
                 field(r.height) + field(captionOf(row.control)) +
                 field(accessibleNameOf(row.control)) + '\n';
    }
    return table;
}
