// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/printed_panel.h"

#include <QFont>
#include <QFontMetrics>
#include <QPoint>

class QPainter;

// The pages of a PDF document printed into as the window's panels are: the
// same printed panel, with columns of the font's average character width
// and lines of its height, in the painter's device units from the top-left
// corner of the page's printable area. Text is drawn as text, so it can be
// selected and searched.
class PdfPanel final : public PanelSurface {
public:
    PdfPanel(QPainter& painter, const QFont& font);

    TextPanel& panel() { return panel_; }
    // Goes on at the top of the page the writer has just begun.
    void newPage() { panel_.Cls(); }

private:
    void cleared() override {}
    void printed(const std::vector<PrintedRun>& runs) override;

    QPainter& painter_;
    QFontMetrics metrics_;
    PrintedPanel panel_;
};
