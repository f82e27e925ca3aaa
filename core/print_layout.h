// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text_panel.h"

#include <functional>
#include <string>
#include <vector>

// A piece of UTF-8 text placed at a print position.
struct TextRun {
    int x;
    int y;
    std::string text;
};

// The print position of a panel and the rules that move it: where each item
// of a statement lands, in the panel's own units (pixels, or character
// columns and lines for a transcript).
class PrintLayout {
public:
    struct Metrics {
        int columnWidth;
        int lineHeight;
        std::function<int(const std::string&)> textWidth;
    };

    explicit PrintLayout(Metrics metrics);

    void setMetrics(Metrics metrics);
    // Back to the top-left corner.
    void home();
    // Places one print statement and moves the print position past it.
    std::vector<TextRun> place(const PrintItems& items, bool endOfLine);

    int x() const { return x_; }
    int y() const { return y_; }

private:
    void newLine();
    void tabTo(int column);
    void placeText(const std::string& text, std::vector<TextRun>& runs);

    Metrics metrics_;
    int x_ = 0;
    int y_ = 0;
};
