// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/body_water.h"
#include "core/form_layout.h"
#include "core/ink.h"

#include <functional>
#include <string>
#include <vector>

// The patient's body water drawn to scale, laid out once for every front
// end in its own units (the window's pixels, the page's CSS pixels, a PDF's
// device units): a bar of total body water cut into intracellular fluid,
// interstitial fluid and plasma, with the red cells beside the plasma; a
// bracket over the bar, one under its extracellular part and one under the
// blood; and a key of the bar's parts. Each part has a colour that the
// common colour-vision deficiencies still tell apart and a hatching of its
// own, so the picture reads in black and white too; every label gives the
// name, the litres and the percentage of body weight.

struct PictureMetrics {
    int width, height; // the room the picture may take
    int lineHeight;    // of the labels' text
    std::function<int(const std::string&)> textWidth;
    bool titled = false; // the title heads the picture, where the room is tall enough
};

// A part of the bar, or its swatch in the key, filled with its colour and
// outlined in the text's colour.
struct PictureBox {
    PixelRect rect;
    Rgb fill;
};

// A straight line in the text's colour: a bracket, or a box's hatching
// (thinner).
struct PictureLine {
    int x1, y1, x2, y2;
    bool hatching;
};

// Text: lines of one label (or the title) from the top-left of its box.
struct PictureText {
    PixelRect rect;
    std::vector<std::string> lines;
};

struct BodyWaterPicture {
    int width = 0, height = 0; // what the picture takes of its room
    int lineHeight = 0;
    std::vector<PictureBox> boxes;
    std::vector<PictureLine> lines;
    std::vector<PictureText> texts;
};

// A picture wider than this many times its height puts the key beside the
// bar, otherwise below it.
inline constexpr int widePicture = 4;

// The picture in the room, or as much of it as fits: where it is too short,
// without the title, then with a thinner bar.
BodyWaterPicture drawBodyWater(const BodyWater& water, const Language& language,
                               const PictureMetrics& metrics);
