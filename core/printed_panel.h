// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print_layout.h"

#include <optional>
#include <string>
#include <vector>

// A piece of printed text, placed twice: x and y in the front end's units
// (pixels, for a front end that draws at fixed places), and its line (0 at
// the top) and the print column it starts at (1 at the left edge, one
// character a column), for a front end that flows the text.
struct PrintedRun {
    int x, y;
    int line, column;
    std::string text;
};

// Where a panel is shown: told when the panel is cleared, and of the runs of
// each statement as it is printed.
class PanelSurface {
public:
    virtual ~PanelSurface() = default;
    virtual void cleared() = 0;
    virtual void printed(const std::vector<PrintedRun>& runs) = 0;
};

// What changed on a panel since it was last asked: whether it was cleared
// (and the text it held then), and the text printed since.
struct PanelChange {
    bool cleared = false;
    std::string removed;
    std::string added;
};

// The panel every front end prints into. It lays each statement out once,
// by character columns and lines (the printed screen, letter by letter) and,
// given a surface, in the surface's units with its font's metrics; the
// surface draws the runs.
class PrintedPanel final : public TextPanel {
public:
    // Characters and lines alone: a transcript.
    PrintedPanel();
    PrintedPanel(PrintLayout::Metrics metrics, PanelSurface& surface);
    // Laid out in a surface's units as well, to be drawn whole later.
    explicit PrintedPanel(PrintLayout::Metrics metrics);

    void Cls() override;
    void Print(const PrintItems& items = {}, bool endOfLine = true) override;

    // New metrics for the statements printed from now on.
    void setMetrics(PrintLayout::Metrics metrics);

    // Everything printed since the last clear, run by run.
    const std::vector<PrintedRun>& runs() const { return runs_; }
    // Every line the print position has reached, in order, as UTF-8.
    std::vector<std::string> lines() const;
    // The same as one text, lines separated by "\n".
    std::string text() const;
    // What changed since the last call: what a step added, for a screen
    // reader to say.
    PanelChange takeChange();

private:
    void write(const PrintedRun& run);

    PrintLayout characters_;
    std::optional<PrintLayout> units_;
    PanelSurface* surface_ = nullptr;
    std::vector<PrintedRun> runs_;
    std::vector<std::u32string> lines_;
    bool clearedSinceTaken_ = false;
    std::string taken_; // the text when a change was last taken
};
