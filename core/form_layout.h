// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

// clang-format off
// The controls of the exercise window. The twelve sequence buttons come
// first, in the order the exercise visits them.
enum class Control {
    seeanswer1, hideanswer1, seeanswer2, hideanswer2, seeanswer3, hideanswer3,
    seeanswer4, hideanswer4, seeanswer5, hideanswer5, seeanswer6, hideanswer6,
    end, Picture1, Picture2, Picture3, shape1,
};
// clang-format on
inline constexpr std::size_t controlCount = 17;
inline constexpr std::size_t sequenceButtonCount = 12;

enum class ControlKind { Button, TextPanel, Emblem, Backdrop };

// Where a control lies, in twips from the top-left corner of the window's
// client area, and how it starts. tabIndex -1: takes no focus.
struct ControlLayout {
    Control control;
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;
    bool visibleAtStart;
    int tabIndex;
};

inline constexpr int twipsPerPixel = 15;

// The window: its title, the client area the layout is drawn for, and the
// client area of the restored window, in twips.
inline constexpr const char* formCaption = "Compartica";
inline constexpr int formWidth = 15360;
inline constexpr int formHeight = 11520;
inline constexpr int restoredWidth = 4680;
inline constexpr int restoredHeight = 3090;

// Every control, in stacking order, topmost first.
// clang-format off
inline constexpr std::array<ControlLayout, controlCount> formLayout = {{
    {Control::hideanswer6, "hideanswer6", ControlKind::Button, "Hide answer 6", 13080, 8400, 1815, 495, false, 15},
    {Control::seeanswer6, "seeanswer6", ControlKind::Button, "See answer 6", 13080, 7800, 1815, 495, false, 14},
    {Control::hideanswer5, "hideanswer5", ControlKind::Button, "Hide answer 5", 13080, 7200, 1815, 495, false, 13},
    {Control::seeanswer5, "seeanswer5", ControlKind::Button, "See answer 5", 13080, 6600, 1815, 495, false, 12},
    {Control::hideanswer4, "hideanswer4", ControlKind::Button, "Hide answer 4", 13080, 6000, 1815, 495, false, 11},
    {Control::seeanswer4, "seeanswer4", ControlKind::Button, "See answer 4", 13080, 5400, 1815, 495, false, 10},
    {Control::hideanswer3, "hideanswer3", ControlKind::Button, "Hide answer 3", 13080, 4800, 1815, 495, false, 9},
    {Control::seeanswer3, "seeanswer3", ControlKind::Button, "See answer 3", 13080, 4200, 1815, 495, false, 8},
    {Control::hideanswer2, "hideanswer2", ControlKind::Button, "Hide answer 2", 13080, 3600, 1815, 495, false, 7},
    {Control::seeanswer2, "seeanswer2", ControlKind::Button, "See answer 2", 13080, 3000, 1815, 495, false, 6},
    {Control::hideanswer1, "hideanswer1", ControlKind::Button, "Hide answer 1", 13080, 2400, 1815, 495, false, 5},
    {Control::end, "end", ControlKind::Button, "end", 13080, 10440, 1815, 495, true, 4},
    {Control::Picture3, "Picture3", ControlKind::TextPanel, "", 120, 9000, 12375, 2415, false, 3},
    {Control::seeanswer1, "seeanswer1", ControlKind::Button, "See answer 1", 13080, 1800, 1815, 495, true, 2},
    {Control::Picture1, "Picture1", ControlKind::TextPanel, "", 0, 0, 12375, 8895, true, 1},
    {Control::Picture2, "Picture2", ControlKind::Emblem, "", 12720, 120, 2415, 1455, true, 0},
    {Control::shape1, "shape1", ControlKind::Backdrop, "", 0, 0, 15360, 11520, true, -1},
}};
// clang-format on

// The row of the table for a control.
constexpr const ControlLayout& layoutOf(Control control) {
    for (const ControlLayout& row : formLayout)
        if (row.control == control)
            return row;
    return formLayout.back();
}

// The pixel rectangle at the usual 15 twips a pixel: left, top, width, height.
struct PixelRect {
    int left, top, width, height;
};
constexpr PixelRect pixelsOf(Control control) {
    const ControlLayout& row = layoutOf(control);
    return {row.left / twipsPerPixel, row.top / twipsPerPixel, row.width / twipsPerPixel,
            row.height / twipsPerPixel};
}
