// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the window's layout table for the scripts that click and look at
// the real window (its form is in form_layout.h); with --zoom-to-fit W H,
// the zoom a client area of W x H pixels draws the layout at.
#include "core/form_layout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "--zoom-to-fit") == 0) {
        std::printf("%.6f\n", zoomToFit(std::atof(argv[2]), std::atof(argv[3])));
        return 0;
    }
    std::fputs(layoutTable().c_str(), stdout);
}
