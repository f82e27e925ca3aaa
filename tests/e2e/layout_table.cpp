// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the window's layout table for the scripts that click and look at
// the real window (its form is in form_layout.h); with --zoom-to-fit W H
// [SCALE], the zoom a client area of W x H pixels draws the layout at (at
// a desktop scale factor, 1 unless given). Captions and names are in the
// language the environment names, as the program's.
#include "core/catalogue.h"
#include "core/form_layout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "--zoom-to-fit") == 0) {
        const double scale = argc == 5 ? std::atof(argv[4]) : 1.0;
        std::printf("%.6f\n", zoomToFit(std::atof(argv[2]), std::atof(argv[3]), scale));
        return 0;
    }
    std::fputs(layoutTable(Language::fromEnvironment()).c_str(), stdout);
}
