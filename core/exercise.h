// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"
#include "case/random_source.h"
#include "core/form_layout.h"
#include "core/text_panel.h"

#include <array>
#include <functional>
#include <string>

// Where the exercise stands after a step: what a front end mirrors.
struct Stage {
    std::array<bool, controlCount> visible{};
    Control focus = Control::seeanswer1; // the control that holds the keyboard focus
    bool ended = false;                  // "end" was clicked: no click is taken afterwards
    bool complete = false;               // answer 4 has been shown
    // The step ("makecase", "answer 1" ...) whose arithmetic raised a
    // floating-point fault (overflow, division by zero, invalid operation);
    // empty while there is none. After a fault nothing more is printed.
    std::string fault;

    bool isVisible(Control control) const { return visible[static_cast<std::size_t>(control)]; }
};

// The exercise behind any front end: the case, what each step prints into
// the question panel (Picture1) and the answer panel (Picture3), which
// controls are shown and which holds the keyboard focus. A front end
// forwards clicks; after each step the exercise tells it the new Stage.
class Exercise {
public:
    using StageListener = std::function<void(const Stage&)>;

    Exercise(RandomSource& random, TextPanel& Picture1, TextPanel& Picture3);

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

    const Stage& stage() const { return stage_; }
    const CaseState& caseState() const { return state_; }

private:
    friend class ExerciseProbe; // tests reach the handlers no button leads to

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

    void show(Control control) { stage_.visible[static_cast<std::size_t>(control)] = true; }
    void hide(Control control) { stage_.visible[static_cast<std::size_t>(control)] = false; }
    void seeAnswer(int n, Control clicked, Control next);
    void hideAnswer(int nextQuestion, Control clicked, Control next);
    void moveOn(Control clicked, Control next);
    void reportStage();
    template <typename Step> bool checked(const char* name, Step step);
    template <typename Work, typename Print>
    bool answered(const char* name, Work work, Print print);

    RandomSource& random_;
    TextPanel& Picture1_;
    TextPanel& Picture3_;
    CaseState state_;
    Stage stage_;
    StageListener listener_;
};
