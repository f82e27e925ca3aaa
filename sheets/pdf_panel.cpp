// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/pdf_panel.h"

#include <QPainter>

PdfPanel::PdfPanel(QPainter& painter, const QFont& font)
    : painter_(painter), metrics_(font, painter.device()),
      panel_({metrics_.averageCharWidth(), metrics_.height(),
              [this](const std::string& text) {
                  return metrics_.horizontalAdvance(QString::fromStdString(text));
              }},
             *this) {
    painter_.setFont(font);
}

void PdfPanel::printed(const std::vector<PrintedRun>& runs) {
    for (const PrintedRun& run : runs)
        painter_.drawText(QPoint(run.x, run.y + metrics_.ascent()),
                          QString::fromStdString(run.text));
}
