// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit-free core, natively and compiled to WebAssembly under node:
// the number form by both of its paths, print placement by columns, and the
// worked example's screens through the whole answer sequence.
// With --transcripts it prints those screens instead, to compare builds.

#include "core/exercise.h"
#include "core/number_form.h"
#include "core/transcript_panel.h"
#include "support/check.h"
#include "support/scripted_random.h"
#include "support/worked_example.h"

#include <clocale>
#include <cstdint>
#include <cstring>
#include <random>

namespace {

struct FormRow {
    const char* name;
    float value;
    const char* text;
};

const FormRow formRows[] = {
    {"weight", 75.3f, " 75.3 "},
    {"below 1 keeps its zero", 0.45f, " 0.45 "},
    {"two decimals", 43.47f, " 43.47 "},
    {"whole: no point", 20.0f, " 20 "},
    {"one digit", 5.0f, " 5 "},
    {"zero", 0.0f, " 0 "},
    {"negative zero", -0.0f, " 0 "},
    {"negative", -2.5f, "-2.5 "},
    {"truncated to a whole tenth", 3.1f, " 3.1 "},
    {"1 - 0.45 in single precision", 1.0f - 0.45f, " 0.55 "},
    {"seven digits", 1234567.0f, " 1234567 "},
    {"eight digits round to seven", 12345678.0f, " 12345680 "},
    {"a third", 1.0f / 3.0f, " 0.3333333 "},
    {"two thirds round up", 2.0f / 3.0f, " 0.6666667 "},
    {"small", 0.001f, " 0.001 "},
    {"large and whole", 3e9f, " 3000000000 "},
};

void numberForms() {
    for (const FormRow& row : formRows)
        CHECK_EQ(numberForm(row.value), std::string(row.text), row.name);
}

// Where the library has to_chars for float, the printf path gives the same
// digits for a million values of every magnitude the exercise prints.
void numberFormPathsAgree() {
    using namespace numberform_detail;
    if (!haveToChars()) {
        std::cout << "note: no to_chars for float here; the printf path alone is in use\n";
        return;
    }
    std::mt19937 engine(20261209);
    std::uniform_real_distribution<float> magnitude(-4.0f, 10.0f);
    int differing = 0;
    for (int i = 0; i < 1000000; ++i) {
        const float value = std::pow(10.0f, magnitude(engine));
        const Digits a = digitsByToChars(value);
        const Digits b = digitsByPrintf(value);
        differing += a.digits != b.digits || a.exponent != b.exponent;
    }
    CHECK_EQ(differing, 0, "to_chars and printf paths, 10^-4 to 10^10");
}

// A student whose desktop writes 0,45 still sees the worked examples' 0.45.
void sameInACommaLocale() {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
#ifdef __EMSCRIPTEN__
        std::cout << "note: no de_DE.UTF-8 locale under WebAssembly\n";
        return;
#else
        CHECK_EQ(std::string("missing"), std::string("de_DE.UTF-8 (scripts/test.sh makes it)"),
                 "comma locale");
        return;
#endif
    }
    const std::string viaPrintf = numberform_detail::digitsByPrintf(0.45f).digits;
    const std::string text = numberForm(0.45f);
    std::setlocale(LC_ALL, "C");
    CHECK_EQ(text, std::string(" 0.45 "), "comma locale");
    CHECK_EQ(viaPrintf, std::string("4500000"), "comma locale, printf path");
}

struct Statement {
    PrintItems items;
    bool endOfLine;
};

struct TranscriptRow {
    const char* name;
    std::vector<Statement> statements;
    Lines lines;
};

void transcripts() {
    const TranscriptRow rows[] = {
        {"empty statement leaves an empty first line",
         {{{}, true}, {{"text"}, true}},
         {"", "text"}},
        {"question number in the margin", {{{"1)", Tab{5}, "What"}, true}}, {"1)  What"}},
        {"tab alone without end of line, then more text",
         {{{Tab{5}}, false}, {{"next"}, true}},
         {"    next"}},
        {"tab alone draws nothing", {{{}, true}, {{Tab{5}}, false}}, {"", ""}},
        {"tab behind the position goes to the next line",
         {{{"a long start", Tab{5}, "x"}, true}},
         {"a long start", "    x"}},
        {"tab to the position itself stays", {{{"abcd", Tab{5}, "x"}, true}}, {"abcdx"}},
        {"numbers bring their own spaces",
         {{{" who weighs", 75.3f, " kg"}, true}},
         {" who weighs 75.3  kg"}},
        {"negative number", {{{"=", -2.5f, "L"}, true}}, {"=-2.5 L"}},
        {"two tabs on one line", {{{Tab{5}, "a", Tab{10}, "b"}, true}}, {"    a    b"}},
        {"a micro sign is one column", {{{"µg", Tab{4}, "x"}, true}}, {"µg x"}},
    };
    for (const TranscriptRow& row : rows) {
        TranscriptPanel panel;
        for (const Statement& statement : row.statements)
            panel.Print(statement.items, statement.endOfLine);
        CHECK_EQ(panel.lines(), row.lines, row.name);
    }

    TranscriptPanel panel;
    panel.Print({"first"});
    panel.Print({Tab{5}}, false);
    panel.Cls();
    panel.Print();
    panel.Print({"second"});
    CHECK_EQ(panel.lines(), (Lines{"", "second"}), "a clear starts again at the top");
}

// The worked example, clicked through: each stage's screens, the one
// sequence button shown and the control that holds the focus.
struct WorkedRun {
    ScriptedRandom random{workedExampleDraws()};
    TranscriptPanel questions;
    TranscriptPanel answers;
    Exercise exercise{random, questions, answers};
};

std::string shownButtons(const Exercise& exercise) {
    std::string names;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(Control::end); ++i)
        if (exercise.isVisible(static_cast<Control>(i)))
            names += std::string(names.empty() ? "" : " ") + layoutOf(static_cast<Control>(i)).name;
    return names;
}

void workedExampleSequence() {
    WorkedRun run;
    run.exercise.Form_Load();
    for (int stage = 0; stage <= 7; ++stage) {
        const std::string where = "worked example, stage " + std::to_string(stage);
        CHECK_EQ(run.questions.lines(), questionsAt(stage), where + ", questions");
        CHECK_EQ(run.answers.lines(), answerAt(stage), where + ", answer");
        const Control next = static_cast<Control>(stage);
        CHECK_EQ(shownButtons(run.exercise),
                 stage < 7 ? std::string(layoutOf(next).name) + " end" : std::string("end"),
                 where + ", buttons");
        CHECK_EQ(run.exercise.isVisible(Control::Picture3), stage > 0, where + ", answer panel");
        CHECK_EQ(static_cast<int>(run.exercise.focus()),
                 static_cast<int>(stage < 7 ? next : Control::Picture3), where + ", focus");
        run.exercise.click(next);
    }
    // Hidden buttons take no clicks; after "end" no button does.
    run.exercise.click(Control::hideanswer4);
    CHECK_EQ(run.answers.lines(), answerAt(7), "a click on a hidden button");
    WorkedRun ended;
    ended.exercise.Form_Load();
    ended.exercise.click(Control::end);
    ended.exercise.click(Control::seeanswer1);
    CHECK_EQ(ended.exercise.ended(), true, "end");
    CHECK_EQ(ended.answers.lines(), Lines{}, "a click after end");
}

// Draws the real source cannot give make the arithmetic fail: a water share
// of 0 divides by a total body water of 0 in makecase; an enormous one
// leaves concentrations that truncate to 0, and answer 1 divides by that.
void faultsStopTheExercise() {
    struct {
        const char* step;
        float waterDraw;
    } rows[] = {{"makecase", -10.0f / 3.0f}, {"answer 1", 1e30f}};
    for (const auto& row : rows) {
        std::vector<float> draws = workedExampleDraws();
        draws[3] = row.waterDraw;
        ScriptedRandom random(draws);
        TranscriptPanel questions, answers;
        Exercise exercise(random, questions, answers);
        exercise.Form_Load();
        exercise.click(Control::seeanswer1);
        CHECK_EQ(exercise.fault(), std::string(row.step), row.step);
        CHECK_EQ(answers.text().find("inf") == std::string::npos, true, row.step);
        exercise.click(Control::hideanswer1);
        CHECK_EQ(exercise.isVisible(Control::seeanswer2), false, "no step after a fault");
    }
}

void printTranscripts() {
    WorkedRun run;
    run.exercise.Form_Load();
    for (int stage = 0; stage <= 7; ++stage) {
        std::cout << "== stage " << stage << " questions\n" << run.questions.text() << "\n";
        std::cout << "== stage " << stage << " answer\n" << run.answers.text() << "\n";
        run.exercise.click(static_cast<Control>(stage));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--transcripts") == 0) {
        printTranscripts();
        return 0;
    }
    numberForms();
    numberFormPathsAgree();
    sameInACommaLocale();
    transcripts();
    workedExampleSequence();
    faultsStopTheExercise();
    std::cout << "core: " << check::failures << " failures\n";
    return check::failures == 0 ? 0 : 1;
}
