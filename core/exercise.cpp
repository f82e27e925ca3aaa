// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise.h"

#include "case/answers.h"
#include "case/make_case.h"
#include "core/exercise_texts.h"
#include "core/float_faults.h"

#include <iterator>
#include <vector>

Exercise::Exercise(RandomSource& random, TextPanel& Picture1, TextPanel& Picture3)
    : random_(random), Picture1_(Picture1), Picture3_(Picture3) {
    for (const ControlLayout& row : formLayout)
        visible_[index(row.control)] = row.visibleAtStart;
}

// Runs one step of arithmetic and records it as the fault when it raised a
// floating-point exception or left a value (in the case or among the
// step's results) that is not finite.
template <typename Step> bool Exercise::checked(const char* name, Step step) {
    FloatFaultWatch watch;
    const std::vector<float> results = step();
    if (watch.faulted() || !allFinite(state_) || !allFinite(results))
        fault_ = name;
    return fault_.empty();
}

void Exercise::Form_Load() {
    if (checked("makecase", [&] {
            makecase(state_, random_);
            return std::vector<float>{};
        }))
        printCase(Picture1_, state_);
}

// The click handler of each control, in the order of Control; the panels,
// the emblem and the backdrop have none.
void Exercise::click(Control control) {
    using Handler = void (Exercise::*)();
    static constexpr Handler handlers[] = {
        &Exercise::seeanswer1_Click,  &Exercise::hideanswer1_Click, &Exercise::seeanswer2_Click,
        &Exercise::hideanswer2_Click, &Exercise::seeanswer3_Click,  &Exercise::hideanswer3_Click,
        &Exercise::seeanswer4_Click,  &Exercise::hideanswer4_Click, &Exercise::seeanswer5_Click,
        &Exercise::hideanswer5_Click, &Exercise::seeanswer6_Click,  &Exercise::hideanswer6_Click,
        &Exercise::end_Click};
    const std::size_t n = index(control);
    if (ended_ || !fault_.empty() || !isVisible(control) || n >= std::size(handlers))
        return;
    (this->*handlers[n])();
}

// The button that leads on appears and takes the keyboard focus in place of
// the clicked one, so Space always presses the next step.
void Exercise::moveOn(Control clicked, Control next) {
    show(next);
    focus_ = next;
    hide(clicked);
}

void Exercise::startAnswer() {
    Picture3_.Cls();
    show(Control::Picture3);
}

void Exercise::seeanswer1_Click() {
    startAnswer();
    Answer1 answer{};
    if (!checked("answer 1", [&] {
            answer = answer1(state_);
            return std::vector{answer.tbwpercent};
        }))
        return;
    printAnswer1(Picture3_, state_, answer);
    moveOn(Control::seeanswer1, Control::hideanswer1);
}

void Exercise::hideanswer1_Click() {
    Picture3_.Cls();
    printQuestion2(Picture1_, state_);
    moveOn(Control::hideanswer1, Control::seeanswer2);
}

void Exercise::seeanswer2_Click() {
    startAnswer();
    Answer2 answer{};
    if (!checked("answer 2", [&] {
            answer = answer2(state_);
            return std::vector{answer.ecfanswer, answer.ecfpercent};
        }))
        return;
    printAnswer2(Picture3_, state_, answer);
    moveOn(Control::seeanswer2, Control::hideanswer2);
}

void Exercise::hideanswer2_Click() {
    Picture3_.Cls();
    printQuestion3(Picture1_, state_);
    moveOn(Control::hideanswer2, Control::seeanswer3);
}

void Exercise::seeanswer3_Click() {
    startAnswer();
    Answer3 answer{};
    if (!checked("answer 3", [&] {
            answer = answer3(state_);
            return std::vector{answer.plasmapercent};
        }))
        return;
    printAnswer3(Picture3_, state_, answer);
    moveOn(Control::seeanswer3, Control::hideanswer3);
}

void Exercise::hideanswer3_Click() {
    Picture3_.Cls();
    printQuestion4(Picture1_, state_);
    moveOn(Control::hideanswer3, Control::seeanswer4);
}

// After the last answer no button leads on: the answer panel takes the
// focus, so a screen reader reads it and Space presses nothing.
void Exercise::seeanswer4_Click() {
    startAnswer();
    Answer4 answer{};
    if (!checked("answer 4", [&] {
            answer = answer4(state_);
            return std::vector{answer.bloodvolume, answer.oneminushaematocrit};
        }))
        return;
    printAnswer4(Picture3_, state_, answer);
    moveOn(Control::seeanswer4, Control::Picture3);
}

void Exercise::hideanswer4_Click() {
    Picture3_.Cls();
    printEmptyQuestion(Picture1_);
    moveOn(Control::hideanswer4, Control::seeanswer5);
}

void Exercise::seeanswer5_Click() {
    startAnswer();
    printEmptyAnswer(Picture3_);
    moveOn(Control::seeanswer5, Control::hideanswer5);
}

void Exercise::hideanswer5_Click() {
    Picture3_.Cls();
    printEmptyQuestion(Picture1_);
    moveOn(Control::hideanswer5, Control::seeanswer6);
}

void Exercise::seeanswer6_Click() {
    startAnswer();
    printEmptyAnswer(Picture3_);
    moveOn(Control::seeanswer6, Control::hideanswer6);
}

void Exercise::hideanswer6_Click() {
    Picture3_.Cls();
    moveOn(Control::hideanswer6, Control::Picture3);
}

void Exercise::end_Click() {
    ended_ = true;
}
