// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_state.h"
#include "case/random_source.h"
#include "core/form_layout.h"
#include "core/text_panel.h"

#include <array>
#include <string>

// The exercise behind any front end: the case, what each click prints into
// the question panel (Picture1) and the answer panel (Picture3), which
// controls are shown and which holds the keyboard focus. The stage of the
// sequence is the set of visible buttons. A front end forwards clicks and
// then mirrors visibility and focus onto its own controls.
class Exercise {
public:
    Exercise(RandomSource& random, TextPanel& Picture1, TextPanel& Picture3);

    // Invents the patient and prints the case and question 1.
    void Form_Load();

    // A click on a control: runs its handler when the control is a visible
    // button and the exercise has neither ended nor stopped at a fault.
    void click(Control control);

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
    // Ends the exercise: no click is taken afterwards.
    void end_Click();

    bool isVisible(Control control) const { return visible_[index(control)]; }
    Control focus() const { return focus_; }
    bool ended() const { return ended_; }
    // The step ("makecase", "answer 1" ...) whose arithmetic raised a
    // floating-point fault (overflow, division by zero, invalid operation);
    // empty while there is none. After a fault nothing more is printed.
    const std::string& fault() const { return fault_; }
    const CaseState& caseState() const { return state_; }

private:
    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }
    void show(Control control) { visible_[index(control)] = true; }
    void hide(Control control) { visible_[index(control)] = false; }
    void moveOn(Control clicked, Control next);
    void startAnswer();
    template <typename Step> bool checked(const char* name, Step step);

    RandomSource& random_;
    TextPanel& Picture1_;
    TextPanel& Picture3_;
    CaseState state_;
    std::array<bool, controlCount> visible_{};
    Control focus_ = Control::seeanswer1;
    bool ended_ = false;
    std::string fault_;
};
