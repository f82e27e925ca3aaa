// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print_layout.h"
#include "core/worksheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QPoint>

class QPainter;

// A PDF page printed into as the window's panels are: the same print layout,
// with columns of the font's average character width and lines of its
// height, in the painter's device units from a top-left origin. Text is
// drawn as text, so it can be selected and searched.
class PdfPanel final : public PaperPanel {
public:
    PdfPanel(QPainter& painter, const QFont& font, QPoint origin);

    void Cls() override;
    void Print(const PrintItems& items = {}, bool endOfLine = true) override;
    void nextBlock() override;
    // Starts again at the top of a new page.
    void newPage(QPoint origin);

private:
    QPainter& painter_;
    QFontMetrics metrics_;
    PrintLayout layout_;
    QPoint block_;   // top-left corner of the current block
    int bottom_ = 0; // the lowest line printed in this block, from its top
};
