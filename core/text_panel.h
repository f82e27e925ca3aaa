// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>
#include <vector>

// Moves the print position to column n (column 1 is the left edge).
struct Tab {
    int column;
};

// One item of a print statement: UTF-8 text as it stands, a number in the
// number form, or a move to a print column.
using PrintItem = std::variant<std::string, float, Tab>;
using PrintItems = std::vector<PrintItem>;

// A surface that text is printed onto line by line, like a teletype on paper.
class TextPanel {
public:
    virtual ~TextPanel() = default;
    // Empties the panel and returns the print position to the top-left corner.
    virtual void Cls() = 0;
    // Prints the items one after another; with endOfLine, then moves to the
    // start of the next line. With no items this just ends the line.
    virtual void Print(const PrintItems& items = {}, bool endOfLine = true) = 0;
};
