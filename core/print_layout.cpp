// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_layout.h"

#include "core/number_form.h"

#include <type_traits>
#include <utility>

PrintLayout::PrintLayout(Metrics metrics) : metrics_(std::move(metrics)) {}

void PrintLayout::setMetrics(Metrics metrics) {
    metrics_ = std::move(metrics);
}

void PrintLayout::home() {
    x_ = 0;
    y_ = 0;
}

std::vector<TextRun> PrintLayout::place(const PrintItems& items, bool endOfLine) {
    std::vector<TextRun> runs;
    for (const PrintItem& item : items) {
        std::visit(
            [&](const auto& value) {
                using Item = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Item, Tab>)
                    tabTo(value.column);
                else if constexpr (std::is_same_v<Item, float>)
                    placeText(numberForm(value), runs);
                else
                    placeText(value, runs);
            },
            item);
    }
    if (endOfLine)
        newLine();
    return runs;
}

void PrintLayout::newLine() {
    x_ = 0;
    y_ += metrics_.lineHeight;
}

// A position already past the column's start goes on to the next line first.
void PrintLayout::tabTo(int column) {
    const int start = (column - 1) * metrics_.columnWidth;
    if (x_ > start)
        newLine();
    x_ = start;
}

void PrintLayout::placeText(const std::string& text, std::vector<TextRun>& runs) {
    if (text.empty())
        return;
    runs.push_back({x_, y_, text});
    x_ += metrics_.textWidth(text);
}
