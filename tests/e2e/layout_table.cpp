// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the window's layout table for the scripts that click and look at
// the real window: one control a line, "name left top width height", in
// pixels at 15 twips a pixel, then the layout's own size as "form".
#include "core/form_layout.h"

#include <cstdio>

int main() {
    for (const ControlLayout& row : formLayout) {
        const PixelRect r = pixelsOf(row.control);
        std::printf("%s %d %d %d %d\n", row.name, r.left, r.top, r.width, r.height);
    }
    std::printf("form 0 0 %d %d\n", formWidth / twipsPerPixel, formHeight / twipsPerPixel);
}
