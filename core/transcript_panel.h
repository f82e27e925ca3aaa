// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print_layout.h"

#include <string>
#include <vector>

// A text panel that keeps what is printed as plain text, one character to a
// column and one line to a row: the printed screen, letter by letter.
class TranscriptPanel final : public TextPanel {
public:
    TranscriptPanel();

    void Cls() override;
    void Print(const PrintItems& items = {}, bool endOfLine = true) override;

    // Every line the print position has reached, in order, as UTF-8.
    std::vector<std::string> lines() const;
    // The same as one text, lines separated by "\n".
    std::string text() const;

private:
    void write(const TextRun& run);

    PrintLayout layout_;
    std::vector<std::u32string> lines_;
};
