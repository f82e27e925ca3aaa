// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/seeded_random_source.h"
#include "support/worked_example.h"
#include "window/form1.h"

#include <QPushButton>
#include <QtTest>

// The sequence buttons by name, in the order the exercise visits them.
inline const QStringList sequenceButtons = [] {
    QStringList names;
    for (std::size_t i = 0; i < sequenceButtonCount; ++i)
        names.append(QString::fromLatin1(layoutOf(static_cast<Control>(i)).name));
    return names;
}();

// Lines of the worked example, as the window's transcripts give them.
inline QStringList qt(const Lines& lines) {
    QStringList out;
    for (const std::string& line : lines)
        out.append(QString::fromStdString(line));
    return out;
}

// The names of the buttons on show, sorted.
inline QStringList visibleButtons(const QWidget& form) {
    QStringList names;
    for (const QPushButton* b : form.findChildren<QPushButton*>())
        if (b->isVisible())
            names.append(b->objectName());
    names.sort();
    return names;
}

// The exercise window with the worked example's patient, loaded and shown.
class WorkedExampleWindow {
public:
    WorkedExampleWindow() : random_(workedExampleDraws()), form(random_) { form.Form_Load(); }

    // Shows the window and makes it the active one, as on a desktop.
    bool show() {
        form.show();
        QApplication::setActiveWindow(&form);
        return QTest::qWaitForWindowActive(&form);
    }

private:
    ListedRandomSource random_;

public:
    Form1 form;
};
