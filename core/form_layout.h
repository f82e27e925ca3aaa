// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

// The window's layout, the one place for positions, sizes and the rules
// that scale them. Front ends that are not C++ (the page, the test scripts)
// read it as the layout table that layout_table and the page's module print.

// clang-format off
// The controls of the exercise window. The twelve sequence buttons come
// first, in the order the exercise visits them, then "end"; the backdrop
// is last.
enum class Control {
    seeanswer1, hideanswer1, seeanswer2, hideanswer2, seeanswer3, hideanswer3,
    seeanswer4, hideanswer4, seeanswer5, hideanswer5, seeanswer6, hideanswer6,
    end, Picture1, Picture2, Picture3, shape1,
};
// clang-format on
inline constexpr std::size_t sequenceButtonCount = static_cast<std::size_t>(Control::end);

enum class ControlKind { Button, TextPanel, Emblem, Backdrop };

// The kind as the layout table names it: "button", "panel", "emblem",
// "backdrop".
constexpr const char* kindName(ControlKind kind) {
    constexpr const char* names[] = {"button", "panel", "emblem", "backdrop"};
    return names[static_cast<std::size_t>(kind)];
}

// Where a control lies, in twips from the top-left corner of the window's
// client area, and how it starts. tabIndex -1: takes no focus. Its caption
// and accessible name are among the texts (exercise_texts.h).
struct ControlLayout {
    Control control;
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    bool visibleAtStart;
    int tabIndex;
};

inline constexpr int twipsPerPixel = 15;

// The client area the layout is drawn for, and the client area of the
// restored window, in twips.
inline constexpr int formWidth = 15360;
inline constexpr int formHeight = 11520;
inline constexpr int restoredWidth = 4680;
inline constexpr int restoredHeight = 3090;

// The size of the panels' and the buttons' text, in pixels at full size.
inline constexpr int fontPixelSize = 13;

// The smallest fraction the layout is drawn at to fit a small screen.
inline constexpr double minimumZoom = 0.7;

// Every control, in stacking order, topmost first.
// clang-format off
inline constexpr ControlLayout formLayout[] = {
    {Control::hideanswer6, "hideanswer6", ControlKind::Button, 13080, 8400, 1815, 495, false, 15},
    {Control::seeanswer6, "seeanswer6", ControlKind::Button, 13080, 7800, 1815, 495, false, 14},
    {Control::hideanswer5, "hideanswer5", ControlKind::Button, 13080, 7200, 1815, 495, false, 13},
    {Control::seeanswer5, "seeanswer5", ControlKind::Button, 13080, 6600, 1815, 495, false, 12},
    {Control::hideanswer4, "hideanswer4", ControlKind::Button, 13080, 6000, 1815, 495, false, 11},
    {Control::seeanswer4, "seeanswer4", ControlKind::Button, 13080, 5400, 1815, 495, false, 10},
    {Control::hideanswer3, "hideanswer3", ControlKind::Button, 13080, 4800, 1815, 495, false, 9},
    {Control::seeanswer3, "seeanswer3", ControlKind::Button, 13080, 4200, 1815, 495, false, 8},
    {Control::hideanswer2, "hideanswer2", ControlKind::Button, 13080, 3600, 1815, 495, false, 7},
    {Control::seeanswer2, "seeanswer2", ControlKind::Button, 13080, 3000, 1815, 495, false, 6},
    {Control::hideanswer1, "hideanswer1", ControlKind::Button, 13080, 2400, 1815, 495, false, 5},
    {Control::end, "end", ControlKind::Button, 13080, 10440, 1815, 495, true, 4},
    {Control::Picture3, "Picture3", ControlKind::TextPanel, 120, 9000, 12375, 2415, false, 3},
    {Control::seeanswer1, "seeanswer1", ControlKind::Button, 13080, 1800, 1815, 495, true, 2},
    {Control::Picture1, "Picture1", ControlKind::TextPanel, 0, 0, 12375, 8895, true, 1},
    {Control::Picture2, "Picture2", ControlKind::Emblem, 12720, 120, 2415, 1455, true, 0},
    {Control::shape1, "shape1", ControlKind::Backdrop, 0, 0, 15360, 11520, true, -1},
};
// clang-format on
inline constexpr std::size_t controlCount = std::size(formLayout);

// Every control has exactly one row, and the rows are all the controls.
constexpr bool eachControlOnce() {
    for (std::size_t n = 0; n < controlCount; ++n) {
        int rows = 0;
        for (const ControlLayout& row : formLayout)
            rows += static_cast<std::size_t>(row.control) == n;
        if (rows != 1)
            return false;
    }
    return static_cast<std::size_t>(Control::shape1) + 1 == controlCount;
}
static_assert(eachControlOnce(), "formLayout must hold each Control exactly once");

// The row of the table for a control. Every control has one (checked
// above), so the end of the loop is never reached.
constexpr const ControlLayout& layoutOf(Control control) {
    for (const ControlLayout& row : formLayout)
        if (row.control == control)
            return row;
    throw std::logic_error("a control without a row in formLayout");
}

// A length in twips as pixels at a zoom, rounded to the nearest pixel.
constexpr int toPixels(int twips, double zoom = 1.0) {
    return static_cast<int>(twips * zoom / twipsPerPixel + 0.5);
}

// The pixel rectangle of a control at a zoom: left, top, width, height.
struct PixelRect {
    int left, top, width, height;
};
constexpr PixelRect pixelsOf(const ControlLayout& row, double zoom = 1.0) {
    return {toPixels(row.left, zoom), toPixels(row.top, zoom), toPixels(row.width, zoom),
            toPixels(row.height, zoom)};
}

// The room the window leaves free once answer 4 is shown and only "end" is
// left of the button column: right of the panels and a gap in from the
// window's edge, from the top of the first answer button to a gap above
// "end". The picture of the patient's body water takes it, in text of
// pictureFontPixelSize.
constexpr PixelRect pictureRoom(double zoom = 1.0) {
    const int gap = layoutOf(Control::hideanswer1).top - layoutOf(Control::seeanswer1).top -
                    layoutOf(Control::seeanswer1).height;
    const ControlLayout& answers = layoutOf(Control::Picture3);
    const int left = answers.left + answers.width + gap;
    const int top = layoutOf(Control::seeanswer1).top;
    return {toPixels(left, zoom), toPixels(top, zoom), toPixels(formWidth - gap - left, zoom),
            toPixels(layoutOf(Control::end).top - gap - top, zoom)};
}
inline constexpr int pictureFontPixelSize = 13;

// The fraction of its size the layout is drawn at in a client area of
// width x height pixels: smaller to fit, as far down as minimumZoom; below
// that, or where it fits, at full size (what lies beyond is cut off). At a
// scale (a desktop's scale factor, in pixels a layout pixel) the client
// area holds width / scale x height / scale layout pixels, and the fit is
// drawn at that scale.
constexpr double zoomToFit(double width, double height, double scale = 1.0) {
    const double across = width / scale * twipsPerPixel / formWidth;
    const double down = height / scale * twipsPerPixel / formHeight;
    const double fit = across < down ? across : down;
    return scale * (fit < 1.0 && fit >= minimumZoom ? fit : 1.0);
}

// How far the exercise reaches into the layout: the most lines the question
// panel and the answer panel hold at any stage, and the bottom edge, in
// pixels at full size, of the lowest button that ever leads on.
struct ExerciseReach {
    int questionLines, answerLines;
    int lowestButtonBottom;
};

// The window's layout in a client area `height` pixels tall at full size,
// for a page that keeps the layout where the form's full height does not
// fit. The answer panel and "end" rise with the bottom edge: the answer
// panel no higher than one gap below the question panel's last line, then
// giving up its empty lines at the foot; "end" no higher than one gap below
// the lowest button that leads on. The question panel ends one gap above
// the answer panel, as in the full layout. Nothing where even that does not
// fit; the full layout where the form fits.
struct FittedLayout {
    int height;
    PixelRect questions, answers, end;
};
std::optional<FittedLayout> fitToHeight(int height, int lineHeight, const ExerciseReach& reach);

// The table for front ends that read it as text, tab-separated, one line
// for the form and one a control in stacking order, topmost first, pixels
// at full size:
//   form <width> <height> <fontPixelSize> <title>
//   control <number> <name> <kind> <left> <top> <width> <height> <caption> <accessible name>
// and last the room of the picture of the body water and its text's size:
//   picture <left> <top> <width> <height> <pictureFontPixelSize>
class Language;
std::string layoutTable(const Language& language);
