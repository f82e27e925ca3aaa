#include "window/transcript_panel.h"

TranscriptPanel::TranscriptPanel()
    : layout_({1, 1, [](const QString& text) { return static_cast<int>(text.size()); }}) {}

void TranscriptPanel::Cls() {
    lines_.clear();
    layout_.home();
}

void TranscriptPanel::Print(const PrintItems& items, bool endOfLine) {
    for (const TextRun& run : layout_.place(items, endOfLine))
        write(run);
    const int reached = layout_.y() + (layout_.x() > 0 ? 1 : 0);
    while (lines_.size() < reached)
        lines_.append(QString());
}

void TranscriptPanel::write(const TextRun& run) {
    while (lines_.size() <= run.y)
        lines_.append(QString());
    QString& line = lines_[run.y];
    if (line.size() < run.x)
        line = line.leftJustified(run.x, u' ');
    line.replace(run.x, run.text.size(), run.text);
}
