// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"
#include "case/random_source.h"
#include "core/catalogue.h"
#include "core/exercise_texts.h"
#include "core/form_layout.h"
#include "core/practice.h"
#include "core/text_panel.h"

#include <array>
#include <functional>

// In practice, what the answer panel holds besides the worked answer: the
// fields of the question posed or answered, the Check button while they
// take answers, and after answer 4 the summary.
struct PracticeStage {
    bool on = false;
    std::vector<PracticeField> fields;
    bool checkShown = false;
    // A question has just been posed: its first field takes the keyboard
    // focus in place of the button that leads on.
    bool focusField = false;
    // The step is a check: the keyboard focus stays where the student is.
    bool checking = false;
    std::string summary;
    int score = 0; // 0 to 100: the share of the seven values right at their first check
    std::vector<Interaction> firstChecks; // made by this step
};

// How a question stands, for a course's record: whether its worked answer
// has been shown, and in practice how many of its values have been
// checked and the share of them right at their first check, 0 to 100.
struct QuestionOutcome {
    int question = 1;
    bool answerShown = false;
    int checked = 0;
    int score = 0;
};

// Where the exercise stands after a step: what a front end mirrors.
struct Stage {
    std::array<bool, controlCount> visible{};
    Control focus = Control::seeanswer1; // the control that holds the keyboard focus
    bool ended = false;                  // "end" was clicked: no click is taken afterwards
    bool complete = false;               // answer 4 has been shown
    int step = 0; // the See and Hide clicks taken: the way along the exercise
    // The step whose arithmetic raised a floating-point fault (overflow,
    // division by zero, invalid operation); none while there is none.
    // After a fault nothing more is printed.
    FaultStep fault = FaultStep::none;
    PracticeStage practice;

    bool isVisible(Control control) const { return visible[static_cast<std::size_t>(control)]; }
};

// The exercise behind any front end: the case, what each step prints into
// the question panel (Picture1) and the answer panel (Picture3), which
// controls are shown and which holds the keyboard focus, in the language
// given. A front end forwards clicks; after each step the exercise tells
// it the new Stage. In practice the student types each value asked before
// the worked answer; the plain exercise prints and shows the same.
class Exercise {
public:
    using StageListener = std::function<void(const Stage&)>;

    Exercise(RandomSource& random, TextPanel& Picture1, TextPanel& Picture3, Language language = {},
             bool practice = false);

    // Called once at the end of every step: Form_Load and each click taken.
    void onStage(StageListener listener) { listener_ = std::move(listener); }

    // Invents the patient and prints the case and question 1.
    void Form_Load();
    // A click on a control: runs its handler when the control is a visible
    // button and the exercise has neither ended nor stopped at a fault.
    void click(Control control);

    // The steps the buttons take, for a front end that prints the whole
    // exercise at once (the worksheets). Question n (2 to 6; 5 and 6 are
    // empty) goes on below the questions; answer n (1 to 6) is printed
    // into the answer panel as it stands, and false is returned when its
    // arithmetic failed. Neither prints after a fault.
    void poseQuestion(int n);
    bool workAnswer(int n);

    // Practice: the text of a field, as the student types it, and a check of
    // the fields shown. Neither does anything once the worked answer is
    // shown, nor outside practice.
    void type(Quantity quantity, std::string text);
    void check();
    // What the student typed and checked, for a course to keep.
    std::string practiceRecord() const { return practice_.record(); }
    // A finished attempt shown again: nothing can be typed or checked, and
    // the fields show what the record holds.
    void showOnly() { showingOnly_ = true; }

    // Presses the button that holds the focus, `steps` times or until none
    // does: a student who comes back finds the exercise where it was left.
    void stepOn(int steps);
    // Brings back what was typed and checked (as practiceRecord gave it)
    // and steps on; the stage is reported once more where no step was
    // taken and there is a record, so that question 1's fields show it too.
    void resume(std::string_view record, int steps);

    std::array<QuestionOutcome, 4> outcomes() const;

    const Stage& stage() const { return stage_; }
    const CaseState& caseState() const { return state_; }

private:
    friend class ExerciseProbe; // tests reach the handlers no button leads to

    // The click handlers. After the last answer no button leads on: the
    // answer panel takes the focus, so a screen reader reads it and Space
    // presses nothing. The last Hide button poses nothing.
    void seeanswer1_Click() { seeAnswer(1, Control::seeanswer1, Control::hideanswer1); }
    void hideanswer1_Click() { hideAnswer(2, Control::hideanswer1, Control::seeanswer2); }
    void seeanswer2_Click() { seeAnswer(2, Control::seeanswer2, Control::hideanswer2); }
    void hideanswer2_Click() { hideAnswer(3, Control::hideanswer2, Control::seeanswer3); }
    void seeanswer3_Click() { seeAnswer(3, Control::seeanswer3, Control::hideanswer3); }
    void hideanswer3_Click() { hideAnswer(4, Control::hideanswer3, Control::seeanswer4); }
    void seeanswer4_Click() { seeAnswer(4, Control::seeanswer4, Control::Picture3); }
    void hideanswer4_Click() { hideAnswer(5, Control::hideanswer4, Control::seeanswer5); }
    void seeanswer5_Click() { seeAnswer(5, Control::seeanswer5, Control::hideanswer5); }
    void hideanswer5_Click() { hideAnswer(6, Control::hideanswer5, Control::seeanswer6); }
    void seeanswer6_Click() { seeAnswer(6, Control::seeanswer6, Control::hideanswer6); }
    void hideanswer6_Click() { hideAnswer(noQuestion, Control::hideanswer6, Control::Picture3); }
    void end_Click() { stage_.ended = true; }

    static constexpr int noQuestion = 0;
    void show(Control control) { stage_.visible[static_cast<std::size_t>(control)] = true; }
    void hide(Control control) { stage_.visible[static_cast<std::size_t>(control)] = false; }
    void seeAnswer(int n, Control clicked, Control next);
    void hideAnswer(int nextQuestion, Control clicked, Control next);
    void moveOn(Control clicked, Control next);
    void reportStage();
    int questionAt() const;    // the question posed or answered at this step
    int questionPosed() const; // the question whose fields take answers, or 0
    void showPractice(bool posed);
    bool faulted() const { return stage_.fault != FaultStep::none; }
    template <typename Step> bool checked(FaultStep name, Step step);
    template <typename Work, typename Print> bool answered(FaultStep name, Work work, Print print);

    RandomSource& random_;
    TextPanel& Picture1_;
    TextPanel& Picture3_;
    Language language_;
    CaseState state_;
    Stage stage_;
    Practice practice_;
    bool showingOnly_ = false;
    StageListener listener_;
};

// How far any case reaches into the layout, found by stepping one case
// through every step its buttons lead to.
ExerciseReach exerciseReach();
