// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise.h"

#include "case/answers.h"
#include "case/make_case.h"
#include "case/seeded_random_source.h"
#include "core/exercise_texts.h"
#include "core/float_faults.h"
#include "core/printed_panel.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// The values each answer works out, for the fault check.
std::vector<float> resultsOf(const Answer1& answer) {
    return {answer.totalbodywater, answer.tbwpercent};
}
std::vector<float> resultsOf(const Answer2& answer) {
    return {answer.totalbodywater, answer.ecfanswer, answer.ecfpercent};
}
std::vector<float> resultsOf(const Answer3& answer) {
    return {answer.totalbodywater, answer.plasmavolume, answer.plasmapercent};
}
std::vector<float> resultsOf(const Answer4& answer) {
    return {answer.plasmavolume, answer.bloodvolume, answer.oneminushaematocrit};
}

} // namespace

Exercise::Exercise(RandomSource& random, TextPanel& Picture1, TextPanel& Picture3,
                   Language language, bool practice)
    : random_(random), Picture1_(Picture1), Picture3_(Picture3), language_(language) {
    for (const ControlLayout& row : formLayout)
        stage_.visible[static_cast<std::size_t>(row.control)] = row.visibleAtStart;
    stage_.practice.on = practice;
}

// Runs one step of arithmetic and records it as the fault when it raised a
// floating-point exception or left a value (in the case or among the
// step's results) that is not finite.
template <typename Step> bool Exercise::checked(FaultStep name, Step step) {
    FloatFaultWatch watch;
    const std::vector<float> results = step();
    if (watch.faulted() || !allFinite(state_) || !allFinite(results))
        stage_.fault = name;
    return !faulted();
}

// Works an answer's arithmetic, checked for faults, and prints it.
template <typename Work, typename Print>
bool Exercise::answered(FaultStep name, Work work, Print print) {
    decltype(work(state_)) answer{};
    if (!checked(name, [&] {
            answer = work(state_);
            return resultsOf(answer);
        }))
        return false;
    print(Picture3_, state_, answer, language_);
    return true;
}

void Exercise::reportStage() {
    if (listener_)
        listener_(stage_);
    stage_.practice.firstChecks.clear();
}

// Questions 1 to 4 are posed at even steps, their answers shown at odd ones.
int Exercise::questionAt() const {
    return std::min(stage_.step / 2 + 1, 4);
}

int Exercise::questionPosed() const {
    const bool posed = stage_.step % 2 == 0 && stage_.step < 8;
    return stage_.practice.on && posed && !stage_.ended && !faulted() && !showingOnly_
               ? questionAt()
               : 0;
}

// In practice the answer panel shows from the start: it holds the fields of
// the question posed, then beside the worked answer what was typed for it.
void Exercise::showPractice(bool posed) {
    PracticeStage& shown = stage_.practice;
    if (!shown.on || faulted())
        return;
    show(Control::Picture3);
    const bool answered = stage_.step % 2 == 1;
    shown.fields = practice_.fields(language_, state_, questionAt(), answered);
    for (PracticeField& field : shown.fields)
        field.editable = field.editable && !showingOnly_;
    shown.checkShown = !answered && !showingOnly_;
    shown.focusField = posed && !showingOnly_;
    shown.summary = stage_.complete ? practice_.summary(language_) : "";
    shown.score = practice_.score();
}

void Exercise::Form_Load() {
    if (checked(FaultStep::makecase, [&] {
            makecase(state_, random_);
            return std::vector<float>{};
        }))
        printCase(Picture1_, state_, language_);
    showPractice(true);
    reportStage();
}

void Exercise::type(Quantity quantity, std::string text) {
    if (questionPosed() == questionOf(quantity))
        practice_.type(quantity, std::move(text));
}

void Exercise::check() {
    const int question = questionPosed();
    if (question == 0)
        return;
    stage_.practice.firstChecks = practice_.check(state_, question);
    showPractice(false);
    stage_.practice.checking = true;
    reportStage();
    stage_.practice.checking = false;
}

// The click handler of each button, in the order of Control (checked by the
// compiler); the panels, the emblem and the backdrop have none.
void Exercise::click(Control control) {
    struct Handler {
        Control control;
        void (Exercise::*run)();
    };
    static constexpr Handler handlers[] = {{Control::seeanswer1, &Exercise::seeanswer1_Click},
                                           {Control::hideanswer1, &Exercise::hideanswer1_Click},
                                           {Control::seeanswer2, &Exercise::seeanswer2_Click},
                                           {Control::hideanswer2, &Exercise::hideanswer2_Click},
                                           {Control::seeanswer3, &Exercise::seeanswer3_Click},
                                           {Control::hideanswer3, &Exercise::hideanswer3_Click},
                                           {Control::seeanswer4, &Exercise::seeanswer4_Click},
                                           {Control::hideanswer4, &Exercise::hideanswer4_Click},
                                           {Control::seeanswer5, &Exercise::seeanswer5_Click},
                                           {Control::hideanswer5, &Exercise::hideanswer5_Click},
                                           {Control::seeanswer6, &Exercise::seeanswer6_Click},
                                           {Control::hideanswer6, &Exercise::hideanswer6_Click},
                                           {Control::end, &Exercise::end_Click}};
    static_assert(std::size(handlers) == sequenceButtonCount + 1);
    static_assert([] {
        for (std::size_t n = 0; n < std::size(handlers); ++n)
            if (static_cast<std::size_t>(handlers[n].control) != n)
                return false;
        return true;
    }());
    const auto n = static_cast<std::size_t>(control);
    if (n >= std::size(handlers) || stage_.ended || faulted() || !stage_.isVisible(control))
        return;
    (this->*handlers[n].run)();
    reportStage();
}

void Exercise::stepOn(int steps) {
    for (int n = 0; n < steps && stage_.focus < Control::end && !faulted(); ++n)
        click(stage_.focus);
}

void Exercise::poseQuestion(int n) {
    if (!faulted())
        printQuestion(Picture1_, state_, n, language_);
}

bool Exercise::workAnswer(int n) {
    if (faulted())
        return false;
    switch (n) {
    case 1:
        return answered(FaultStep::answer1, answer1, printAnswer1);
    case 2:
        return answered(FaultStep::answer2, answer2, printAnswer2);
    case 3:
        return answered(FaultStep::answer3, answer3, printAnswer3);
    case 4:
        stage_.complete = answered(FaultStep::answer4, answer4, printAnswer4);
        return stage_.complete;
    default:
        printEmptyAnswer(Picture3_);
        return true;
    }
}

void Exercise::resume(std::string_view record, int steps) {
    practice_.restore(state_, record);
    const int from = stage_.step;
    stepOn(steps);
    if (stage_.step != from || record.empty())
        return;
    showPractice(stage_.step % 2 == 0);
    reportStage();
}

std::array<QuestionOutcome, 4> Exercise::outcomes() const {
    std::array<QuestionOutcome, 4> all;
    for (int question = 1; question <= 4; ++question)
        all[question - 1] = {question, stage_.step >= 2 * question - 1,
                             practice_.checkedOf(question), practice_.questionScore(question)};
    return all;
}

// The button that leads on appears and takes the keyboard focus in place of
// the clicked one, so Space always presses the next step.
void Exercise::moveOn(Control clicked, Control next) {
    show(next);
    stage_.focus = next;
    hide(clicked);
    ++stage_.step;
}

// A See button clears the answer panel, shows it and works its answer.
// In practice, what is typed and not yet checked is checked first.
void Exercise::seeAnswer(int n, Control clicked, Control next) {
    if (questionPosed() == n)
        stage_.practice.firstChecks = practice_.check(state_, n, true);
    Picture3_.Cls();
    show(Control::Picture3);
    if (workAnswer(n))
        moveOn(clicked, next);
    showPractice(false);
}

// A Hide button clears the answer panel and poses the next question, if any.
void Exercise::hideAnswer(int nextQuestion, Control clicked, Control next) {
    Picture3_.Cls();
    if (nextQuestion != noQuestion)
        poseQuestion(nextQuestion);
    moveOn(clicked, next);
    showPractice(true);
}

// The printed texts do not depend on the case's figures for their number of
// lines, so one seeded case stands for every case.
ExerciseReach exerciseReach() {
    SeededRandomSource random(1);
    PrintedPanel questions, answers;
    Exercise exercise(random, questions, answers);
    ExerciseReach reach{0, 0, 0};
    const auto measure = [&](const Stage& stage) {
        reach.questionLines = std::max(reach.questionLines, int(questions.lines().size()));
        reach.answerLines = std::max(reach.answerLines, int(answers.lines().size()));
        for (std::size_t n = 0; n < sequenceButtonCount; ++n)
            if (stage.visible[n]) {
                const PixelRect button = pixelsOf(layoutOf(static_cast<Control>(n)));
                reach.lowestButtonBottom =
                    std::max(reach.lowestButtonBottom, button.top + button.height);
            }
    };
    exercise.onStage(measure);
    exercise.Form_Load();
    exercise.stepOn(int(sequenceButtonCount));
    return reach;
}
