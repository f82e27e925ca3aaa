// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/body_water_picture.h"
#include "core/print_layout.h"
#include "core/set_choice.h"

#include <optional>
#include <string>
#include <vector>

// A class set laid out on paper once, for every front end that prints it:
// in units of 1/1200 inch from the top left of the printable area.
inline constexpr int paperResolution = 1200;

// The printable area of a sheet with margins of 15 mm, as the PDF writer
// gives it.
struct PageArea {
    int width, height;
};
PageArea printableArea(Paper paper);

// The fonts a set is measured in: the sheets', the key's (lines, columns,
// widths) and that of the pictures' labels (lines and widths).
struct PaperFonts {
    PrintLayout::Metrics sheet, key, picture;
};

// A sheet's QR code: the square it fills (its quiet zone around it is left
// free) and the address it holds.
struct PaperCode {
    PixelRect square;
    std::string link;
};

// A case's body water in the key, drawn from `top` down.
struct PaperPicture {
    int top;
    BodyWaterPicture picture;
};

// A case on a page: its text runs, each from the top of its line, then on a
// sheet the code of its link, in the key the picture of its body water.
struct PaperBlock {
    std::vector<TextRun> runs;
    std::optional<PaperCode> code;
    std::optional<PaperPicture> picture;
};

struct PaperPage {
    std::vector<PaperBlock> blocks;
};

struct ClassSet {
    std::vector<PaperPage> sheets; // a case a page
    std::vector<PaperPage> key;    // whole cases, as many a page as fit, or one
    std::string sheetsTitle, keyTitle;
};

// The sheets and the key of `choice`: every case made and worked by the
// exercise itself, printed as the window prints it, each sheet with its
// label, a line for the name and date and, with a link, its address beside
// its QR code; the key with each case's answers and picture.
ClassSet layOutClassSet(const SetChoice& choice, const PaperFonts& fonts);
