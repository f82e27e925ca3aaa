#pragma once

#include "case/case_state.h"
#include "case/random_source.h"

#include <QWidget>

class PixelPanel;
class QLabel;
class QPushButton;

// The exercise window: the question panel, the answer panel, the emblem and
// the column of answer buttons, laid out once at a fixed size; only the
// buttons' visibility and the panels' text change while the exercise runs.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(RandomSource& random, QWidget* parent = nullptr);

    // Invents the patient and prints the case and question 1.
    void Form_Load();

    const CaseState& caseState() const { return state_; }

public slots:
    void seeanswer1_Click();
    void hideanswer1_Click();
    void seeanswer2_Click();
    void hideanswer2_Click();
    void seeanswer3_Click();
    void hideanswer3_Click();
    void seeanswer4_Click();
    void hideanswer4_Click();
    void seeanswer5_Click();
    void hideanswer5_Click();
    void seeanswer6_Click();
    void hideanswer6_Click();
    void end_Click();

private:
    void createControls();
    void connectButtons();
    void setFocusOrder();
    QPushButton* addButton(const char* name, const QString& caption, int topTwips, bool visible);
    void moveOn(QPushButton* clicked, QWidget* next);
    void startAnswer();

    RandomSource& random_;
    CaseState state_;

    QWidget* shape1 = nullptr;
    QLabel* Picture2 = nullptr;
    PixelPanel* Picture1 = nullptr;
    PixelPanel* Picture3 = nullptr;
    QPushButton* seeanswer1 = nullptr;
    QPushButton* end = nullptr;
    QPushButton* hideanswer1 = nullptr;
    QPushButton* seeanswer2 = nullptr;
    QPushButton* hideanswer2 = nullptr;
    QPushButton* seeanswer3 = nullptr;
    QPushButton* hideanswer3 = nullptr;
    QPushButton* seeanswer4 = nullptr;
    QPushButton* hideanswer4 = nullptr;
    QPushButton* seeanswer5 = nullptr;
    QPushButton* hideanswer5 = nullptr;
    QPushButton* seeanswer6 = nullptr;
    QPushButton* hideanswer6 = nullptr;
};
