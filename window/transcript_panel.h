#pragma once

#include "window/print_layout.h"

#include <QStringList>

// A text panel that keeps what is printed as plain text, one character to a
// column and one line to a row: the printed screen, letter by letter.
class TranscriptPanel final : public TextPanel {
public:
    TranscriptPanel();

    void Cls() override;
    void Print(const PrintItems& items = {}, bool endOfLine = true) override;

    // Every line the print position has reached, in order.
    QStringList lines() const { return lines_; }

private:
    void write(const TextRun& run);

    PrintLayout layout_;
    QStringList lines_;
};
