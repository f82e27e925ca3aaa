#pragma once

#include "window/print_layout.h"
#include "window/transcript_panel.h"

#include <QImage>
#include <QWidget>

// A borderless white panel that text is printed into. What is printed is
// kept in an image at the screen's pixel density, so it survives hiding,
// covering and restoring, and lands even while the panel is not shown.
// Print columns are the font's average character width; lines are the
// font's height; text never wraps and is cut at the edges.
class PixelPanel final : public QWidget, public TextPanel {
    Q_OBJECT

public:
    PixelPanel(const QColor& foreColor, QWidget* parent = nullptr);

    void Cls() override;
    void Print(const PrintItems& items = {}, bool endOfLine = true) override;

    // The printed text, letter by letter, one string a line.
    QStringList transcript() const { return transcript_.lines(); }
    // The same as one text, lines separated by newlines.
    QString text() const { return transcript().join(u'\n'); }
    // What the panel shows, at the pixel density it is drawn at.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    PrintLayout::Metrics metrics() const;
    void announce(const QString& before);
    bool imageIsCurrent() const;
    void renderImage();
    void drawRuns(const QList<TextRun>& runs);

    QColor foreColor_;
    QImage image_;
    QList<TextRun> runs_; // everything since the last clear, to redraw at a new density
    PrintLayout layout_;
    TranscriptPanel transcript_;
};
