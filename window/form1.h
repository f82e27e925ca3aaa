// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/random_source.h"
#include "core/exercise.h"

#include <QWidget>

#include <array>

class BodyWaterView;
class PixelPanel;
class PracticePanel;
class QLabel;
class QPushButton;

// The exercise window, in the language given: the question panel, the
// answer panel, the emblem and the column of answer buttons, laid out once
// from the layout table; the exercise core decides what each click prints
// and which buttons show. In practice the answer panel also holds the
// fields the student types each value into, and after answer 4 the
// patient's body water is drawn to scale below the emblem.
// Where the screen is smaller than the layout, the whole layout is drawn
// smaller to fit (zoomToFit), and at a scale below 1 it is drawn that much
// smaller again. The window tells when the exercise is over; whoever shows
// it decides what then happens.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(RandomSource& random, Language language = {}, double scale = 1.0,
                   bool practice = false, QWidget* parent = nullptr);

    // Invents the patient and prints the case and question 1.
    void Form_Load();

    // The fraction of its size the layout is drawn at.
    qreal zoom() const { return zoom_; }

signals:
    // The student pressed "end".
    void ended();
    // A floating-point fault stopped the exercise; the message names the step.
    void faulted(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createPractice();
    QWidget* createControl(const ControlLayout& row);
    QPushButton* createButton(const ControlLayout& row);
    void setFocusOrder();
    QWidget* widget(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
    void mirror(const Stage& stage);
    void applyZoom(qreal zoom);

    std::array<QWidget*, controlCount> controls_{};
    PixelPanel* Picture1 = nullptr;
    PixelPanel* Picture3 = nullptr;
    QLabel* Picture2 = nullptr;
    PracticePanel* practice_ = nullptr;
    BodyWaterView* bodyWater_ = nullptr; // after answer 4, below the emblem
    Language language_;
    Exercise exercise_;
    double scale_;
    qreal zoom_ = 1.0;
    quint64 lastKeyRelease_ = 0; // window-system time of the last key release
};
