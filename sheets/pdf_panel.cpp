// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/pdf_panel.h"

#include <QPainter>

#include <algorithm>

PdfPanel::PdfPanel(QPainter& painter, const QFont& font, QPoint origin)
    : painter_(painter), metrics_(font, painter.device()),
      layout_({metrics_.averageCharWidth(), metrics_.height(),
               [this](const std::string& text) {
                   return metrics_.horizontalAdvance(QString::fromStdString(text));
               }}),
      block_(origin) {
    painter_.setFont(font);
}

void PdfPanel::Cls() {
    layout_.home();
}

void PdfPanel::Print(const PrintItems& items, bool endOfLine) {
    for (const TextRun& run : layout_.place(items, endOfLine)) {
        painter_.drawText(block_ + QPoint(run.x, run.y + metrics_.ascent()),
                          QString::fromStdString(run.text));
        bottom_ = std::max(bottom_, run.y + metrics_.height());
    }
    bottom_ = std::max(bottom_, layout_.y());
}

void PdfPanel::nextBlock() {
    block_.ry() += bottom_;
    bottom_ = 0;
    layout_.home();
}

void PdfPanel::newPage(QPoint origin) {
    block_ = origin;
    bottom_ = 0;
    layout_.home();
}
