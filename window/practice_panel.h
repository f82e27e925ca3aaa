// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/exercise.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Practice's controls over the answer panel: a labelled field for each
// value the question asks, with its unit and the verdict of the last
// check, the Check button, and the summary after answer 4. It shows what
// the exercise's stage says and tells what the student typed and pressed.
class PracticePanel final : public QWidget {
    Q_OBJECT

public:
    PracticePanel(const Language& language, QWidget* answerPanel);

    void mirror(const PracticeStage& stage);
    void setZoom(qreal zoom);
    // The field the keyboard focus goes to when a question is posed.
    QWidget* firstField() const;

signals:
    void typed(Quantity quantity, const std::string& text);
    void checkPressed();

private:
    struct Row {
        QLabel* label;
        QLineEdit* field;
        QLabel* unit;
        QLabel* verdict;
    };
    Row createRow();
    void place();

    std::array<Row, 2> rows_;
    QPushButton* check_;
    QLabel* summary_;
    PracticeStage shown_;
    qreal zoom_ = 1.0;
};
