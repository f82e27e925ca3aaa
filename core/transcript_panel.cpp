// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transcript_panel.h"

#include "core/utf8.h"

TranscriptPanel::TranscriptPanel()
    : layout_({1, 1,
               [](const std::string& text) { return static_cast<int>(fromUtf8(text).size()); }}) {}

void TranscriptPanel::Cls() {
    lines_.clear();
    layout_.home();
}

void TranscriptPanel::Print(const PrintItems& items, bool endOfLine) {
    for (const TextRun& run : layout_.place(items, endOfLine))
        write(run);
    const auto reached = static_cast<std::size_t>(layout_.y() + (layout_.x() > 0 ? 1 : 0));
    if (lines_.size() < reached)
        lines_.resize(reached);
}

std::vector<std::string> TranscriptPanel::lines() const {
    std::vector<std::string> out;
    out.reserve(lines_.size());
    for (const std::u32string& line : lines_)
        out.push_back(toUtf8(line));
    return out;
}

std::string TranscriptPanel::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        out += (i ? "\n" : "") + toUtf8(lines_[i]);
    return out;
}

void TranscriptPanel::write(const TextRun& run) {
    const auto row = static_cast<std::size_t>(run.y);
    const auto column = static_cast<std::size_t>(run.x);
    if (lines_.size() <= row)
        lines_.resize(row + 1);
    std::u32string& line = lines_[row];
    const std::u32string text = fromUtf8(run.text);
    if (line.size() < column + text.size())
        line.resize(column + text.size(), U' ');
    line.replace(column, text.size(), text);
}
