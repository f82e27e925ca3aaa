// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/printed_panel.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

// A borderless white panel that text is printed into. What is printed is
// kept in an image at the screen's pixel density, so it survives hiding,
// covering and restoring, and lands even while the panel is not shown.
// Print columns are the font's average character width; lines are the
// font's height; text never wraps and is cut at the edges. The layout is
// worked in unscaled pixels; a zoom below 1 draws it smaller as a whole.
class PixelPanel final : public QWidget, private PanelSurface {
    Q_OBJECT

public:
    PixelPanel(const QColor& foreColor, QWidget* parent = nullptr);

    // What the exercise prints into.
    TextPanel& panel() { return panel_; }

    // Tells assistive technology what changed since the last call: the text
    // removed by a clear, then the text added.
    void announceChanges();
    // Draws everything at this fraction of its size (1: as laid out).
    void setZoom(qreal zoom);

    // The printed text, letter by letter, one string a line.
    QStringList transcript() const;
    // The same as one text, lines separated by newlines.
    QString text() const { return QString::fromStdString(panel_.text()); }
    // What the panel shows, at the pixel density it is drawn at.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void cleared() override;
    void printed(const std::vector<PrintedRun>& runs) override;
    PrintLayout::Metrics metrics() const;
    bool imageIsCurrent() const;
    void renderImage();
    void drawRuns(const std::vector<PrintedRun>& runs);

    QColor foreColor_;
    qreal zoom_ = 1.0;
    QImage image_;
    qreal imageZoom_ = 1.0; // the zoom the image was drawn at
    PrintedPanel panel_;
};
