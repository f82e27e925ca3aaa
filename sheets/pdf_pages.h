// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/printed_panel.h"

#include <QFont>
#include <QFontMetrics>

class QPainter;
class QPagedPaintDevice;

// The pages of a PDF document, filled with blocks of printed text (a case on
// a student's sheet, its answers in the key). A block is printed into a
// panel laid out as the window's panels are, with columns of the font's
// average character width and lines of its height, in the painter's device
// units; then it is placed whole on a page. Text is drawn as text, so it can
// be selected and searched.
class PdfPages {
public:
    PdfPages(QPagedPaintDevice& device, QPainter& painter, const QFont& font);

    // An empty panel to print a block into.
    PrintedPanel block() const;
    // Places a block on a page of its own, or, where `packed`, below the
    // last block after two empty lines if it fits there whole. Returns the
    // block's top, in device units from the top of the printable area.
    int place(const PrintedPanel& block, bool packed);
    int lineHeight() const { return metrics_.height(); }
    int textWidth(const std::string& text) const;

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QFontMetrics metrics_;
    int bottom_ = -1; // below the page's last block; -1 before the first page
};
