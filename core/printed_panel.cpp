// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/printed_panel.h"

#include "core/utf8.h"

#include <utility>

namespace {

PrintLayout::Metrics characterMetrics() {
    return {1, 1, [](const std::string& text) { return static_cast<int>(fromUtf8(text).size()); }};
}

} // namespace

PrintedPanel::PrintedPanel() : characters_(characterMetrics()) {}

PrintedPanel::PrintedPanel(PrintLayout::Metrics metrics, PanelSurface& surface)
    : characters_(characterMetrics()), units_(std::move(metrics)), surface_(&surface) {}

PrintedPanel::PrintedPanel(PrintLayout::Metrics metrics)
    : characters_(characterMetrics()), units_(std::move(metrics)) {}

void PrintedPanel::Cls() {
    runs_.clear();
    lines_.clear();
    characters_.home();
    if (units_)
        units_->home();
    clearedSinceTaken_ = true;
    if (surface_)
        surface_->cleared();
}

// Both layouts make one run of each non-empty text, in order, so the runs
// pair up one to one.
void PrintedPanel::Print(const PrintItems& items, bool endOfLine) {
    const std::vector<TextRun> placed = characters_.place(items, endOfLine);
    const std::vector<TextRun> drawn = units_ ? units_->place(items, endOfLine) : placed;
    std::vector<PrintedRun> runs;
    for (std::size_t i = 0; i < placed.size(); ++i)
        runs.push_back({drawn[i].x, drawn[i].y, placed[i].y, placed[i].x + 1, placed[i].text});
    for (const PrintedRun& run : runs)
        write(run);
    const auto reached = static_cast<std::size_t>(characters_.y() + (characters_.x() > 0 ? 1 : 0));
    if (lines_.size() < reached)
        lines_.resize(reached);
    runs_.insert(runs_.end(), runs.begin(), runs.end());
    if (surface_)
        surface_->printed(runs);
}

void PrintedPanel::setMetrics(PrintLayout::Metrics metrics) {
    if (units_)
        units_->setMetrics(std::move(metrics));
}

std::vector<std::string> PrintedPanel::lines() const {
    std::vector<std::string> out;
    out.reserve(lines_.size());
    for (const std::u32string& line : lines_)
        out.push_back(toUtf8(line));
    return out;
}

std::string PrintedPanel::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0)
            out += '\n';
        out += toUtf8(lines_[i]);
    }
    return out;
}

// Between clears a panel only grows at its end, so what was added is what
// follows the text last taken.
PanelChange PrintedPanel::takeChange() {
    std::string now = text();
    PanelChange change;
    change.cleared = clearedSinceTaken_ || now.compare(0, taken_.size(), taken_) != 0;
    if (change.cleared)
        change.removed = std::exchange(taken_, std::string());
    change.added = now.substr(taken_.size());
    taken_ = std::move(now);
    clearedSinceTaken_ = false;
    return change;
}

void PrintedPanel::write(const PrintedRun& run) {
    const auto row = static_cast<std::size_t>(run.line);
    const auto column = static_cast<std::size_t>(run.column - 1);
    if (lines_.size() <= row)
        lines_.resize(row + 1);
    std::u32string& line = lines_[row];
    const std::u32string text = fromUtf8(run.text);
    if (line.size() < column + text.size())
        line.resize(column + text.size(), U' ');
    line.replace(column, text.size(), text);
}
