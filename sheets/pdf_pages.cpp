// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/pdf_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>

PdfPages::PdfPages(QPagedPaintDevice& device, QPainter& painter, const QFont& font)
    : device_(device), painter_(painter), metrics_(font, painter.device()) {
    painter_.setFont(font);
}

PrintedPanel PdfPages::block() const {
    return PrintedPanel({metrics_.averageCharWidth(), metrics_.height(),
                         [this](const std::string& text) { return textWidth(text); }});
}

int PdfPages::textWidth(const std::string& text) const {
    return metrics_.horizontalAdvance(QString::fromStdString(text));
}

int PdfPages::place(const PrintedPanel& block, bool packed) {
    const int height = static_cast<int>(block.lines().size()) * lineHeight();
    const int below = bottom_ + 2 * lineHeight();
    int top = 0;
    if (packed && bottom_ > 0 && below + height <= device_.height())
        top = below;
    else if (bottom_ >= 0)
        device_.newPage();
    for (const PrintedRun& run : block.runs())
        painter_.drawText(QPoint(run.x, top + run.y + metrics_.ascent()),
                          QString::fromStdString(run.text));
    bottom_ = top + height;
    return top;
}
