// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class PixelPanel;

// What assistive technology sees of a text panel: its name ("Case and
// questions", "Worked answer") and the printed text, line by line, as
// read-only multi-line text.
class PanelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PanelAccessible(PixelPanel* panel);

    // Makes every PixelPanel answer through this class; safe to call often.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QString fullText() const;
};
