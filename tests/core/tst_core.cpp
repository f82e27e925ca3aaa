// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit-free core, natively and compiled to WebAssembly under node:
// the number form by both of its paths, print placement by columns, and the
// worked example's screens through the whole answer sequence.
// With --transcripts it prints those screens instead, to compare builds.

#include "case/answers.h"
#include "case/make_case.h"
#include "case/seeded_random_source.h"
#include "core/body_water_picture.h"
#include "core/class_set.h"
#include "core/exercise.h"
#include "core/exercise_texts.h"
#include "core/number_form.h"
#include "core/practice_layout.h"
#include "core/printed_panel.h"
#include "core/set_choice.h"
#include "core/utf8.h"
#include "core/worksheet.h"
#include "support/check.h"
#include "support/worked_example.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <optional>
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
    CHECK_EQ(bareNumber(-2.5f) + bareNumber(43.47f, ","), std::string("-2.543,47"), "bare");
}

// A million values of every magnitude the exercise prints.
template <typename Visit> void millionValues(Visit visit) {
    std::mt19937 engine(20261209);
    std::uniform_real_distribution<float> magnitude(-4.0f, 10.0f);
    for (int i = 0; i < 1000000; ++i)
        visit(std::pow(10.0f, magnitude(engine)));
}

// Where the library has to_chars for float, the printf path gives the same
// digits. Where it has not (WebAssembly), --number-forms prints a digest of
// the printf path's forms, which must equal the native build's.
void numberFormPathsAgree() {
    using namespace numberform_detail;
    int differing = 0;
    millionValues([&](float value) {
        const Digits a = digitsByToChars(value);
        const Digits b = digitsByPrintf(value);
        differing += a.digits != b.digits || a.exponent != b.exponent;
    });
    CHECK_EQ(differing, 0, "to_chars and printf paths, 10^-4 to 10^10");
}

void printNumberFormDigest() {
    std::uint64_t digest = 14695981039346656037ull; // FNV-1a over every form
    millionValues([&](float value) {
        for (const char c : numberForm(value))
            digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    });
    std::cout << "number forms of a million values: " << digest << "\n";
}

// A student whose desktop writes 0,45 still sees the worked examples' 0.45,
// and scripted draws read the same. (WebAssembly has no such locale.)
void sameInACommaLocale() {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        CHECK_EQ(std::string("missing"), std::string("de_DE.UTF-8 (scripts/test.sh makes it)"),
                 "comma locale");
        return;
    }
    const std::string viaPrintf = numberform_detail::digitsByPrintf(0.45f).digits;
    const std::string text = numberForm(0.45f);
    const auto draws = parseDraws("0.25,0.4375");
    std::setlocale(LC_ALL, "C");
    CHECK_EQ(text, std::string(" 0.45 "), "comma locale");
    CHECK_EQ(viaPrintf, std::string("4500000"), "comma locale, printf path");
    CHECK_EQ((draws == std::vector<float>{0.25f, 0.4375f}), true, "comma locale, draws");
}

// Scripted draws: a list of numbers from 0 to under 1, nothing else.
void drawLists() {
    const struct {
        const char* text;
        std::optional<std::vector<float>> draws;
    } rows[] = {
        {"0.25,0.4375,0", std::vector<float>{0.25f, 0.4375f, 0.0f}},
        {"0.5", std::vector<float>{0.5f}},
        {"", std::nullopt},
        {"1", std::nullopt},
        {"-0.25", std::nullopt},
        {"0.5,", std::nullopt},
        {"0.5x", std::nullopt},
        {"0,5", std::nullopt},
        {"0.2.5", std::nullopt},
        {".", std::nullopt},
    };
    for (const auto& row : rows)
        CHECK_EQ(parseDraws(row.text) == row.draws, true, row.text);
}

// Case names as a worksheet prints them and a link carries them: "S-i",
// or "S" alone, nothing else.
void caseRefs() {
    const struct {
        const char* text;
        const char* ref; // as written back, with setOnly marked "*"; "none"
    } rows[] = {
        {"4242-2", "4242-2"},
        {"4242", "4242-1*"},
        {"0-500", "0-500"},
        {"18446744073709551615-1", "18446744073709551615-1"},
        {"18446744073709551616-1", "none"},
        {"4242-0", "none"},
        {"4242-501", "none"},
        {"4242-", "none"},
        {"-2", "none"},
        {"", "none"},
        {"42x-2", "none"},
        {"4242-2-3", "none"},
        {"4242-+2", "none"},
        {" 4242", "none"},
    };
    for (const auto& row : rows) {
        const auto ref = parseCaseRef(row.text);
        CHECK_EQ(ref ? ref->text() + (ref->setOnly ? "*" : "") : "none", std::string(row.ref),
                 row.text);
    }
    CHECK_EQ(caseLink("https://example.org/c/", *parseCaseRef("7")),
             std::string("https://example.org/c/#case=7-1"), "link");
}

// A teacher's choices for a set, as the command line and the teacher's page
// take them: each accepted as its value, or refused with its one line; a
// link only this computer opens, warned of; and the QR code that holds a
// case's link, a version for every 4 modules.
void setChoices() {
    const std::string link = "https://example.org/compartica/";
    const struct {
        const char* what;
        std::string problem;
        const char* expected; // the problem, or "" where the text is taken
    } rows[] = {
        {"count 1", checkCount("1").problem, ""},
        {"count 500", checkCount("500").problem, ""},
        {"count 0", checkCount("0").problem, "the count '0' is not a whole number from 1 to 500"},
        {"count 501", checkCount("501").problem,
         "the count '501' is not a whole number from 1 to 500"},
        {"count 3-1", checkCount("3-1").problem,
         "the count '3-1' is not a whole number from 1 to 500"},
        {"seed S-i", checkSeed("4242-3").problem, ""},
        {"seed 12x", checkSeed("12x").problem,
         "the seed '12x' is not a whole number (or S-i, i from 1 to 500)"},
        {"paper Letter", checkPaper("Letter").problem, ""},
        {"paper a3", checkPaper("a3").problem, "the paper 'a3' is neither a4 nor letter"},
        {"link", linkProblem(link), ""},
        {"link of the longest length", linkProblem(link + std::string(183 - link.size(), 'a')), ""},
        {"link one longer", linkProblem(link + std::string(184 - link.size(), 'a')),
         "the link is 184 characters long, too long for a QR code that scans from paper (at most "
         "183)"},
        {"link ftp", linkProblem("ftp://example.org/"),
         "the link 'ftp://example.org/' is not an http or https address without '#'"},
        {"link with #", linkProblem("https://example.org/#a"),
         "the link 'https://example.org/#a' is not an http or https address without '#'"},
        {"link with a space", linkProblem("https://example.org/a b"),
         "the link 'https://example.org/a b' is not an http or https address without '#'"},
        {"in German", checkCount("0", Language::named("de")).problem,
         "die Anzahl '0' ist keine ganze Zahl von 1 bis 500"},
        {"link of a scheme alone", linkProblem("https://"),
         "the link 'https://' is not an http or https address without '#'"},
        {"link with a port, a user, a query and escapes",
         linkProblem("http://me@example.org:8080/a%20b/?c=d&e=(f)"), ""},
        {"link to an IPv6 address", linkProblem("http://[2001:db8::1]:8080/"), ""},
        {"link with quotes and brackets", linkProblem("https://example.org/\"><script>"),
         "the link 'https://example.org/\"><script>' is not an http or https address without "
         "'#'"},
        {"link with an apostrophe", linkProblem("https://example.org/it's"),
         "the link 'https://example.org/it's' is not an http or https address without '#'"},
        {"link without a host", linkProblem("http://:8080/"),
         "the link 'http://:8080/' is not an http or https address without '#'"},
        {"link with an empty label", linkProblem("https://example..org/"),
         "the link 'https://example..org/' is not an http or https address without '#'"},
        {"link with a port of letters", linkProblem("https://example.org:http/"),
         "the link 'https://example.org:http/' is not an http or https address without '#'"},
        {"link with a broken escape", linkProblem("https://example.org/%2"),
         "the link 'https://example.org/%2' is not an http or https address without '#'"},
        {"link with a backslash", linkProblem("https://example.org\\evil.org/"),
         "the link 'https://example.org\\evil.org/' is not an http or https address without "
         "'#'"},
        {"a newline, echoed escaped", checkCount("5\n").problem,
         "the count '5\\n' is not a whole number from 1 to 500"},
        {"a terminal's escape, and C1's", checkPaper("\x1b[31m\xc2\x9b").problem,
         "the paper '\\x1b[31m\\u009b' is neither a4 nor letter"},
        {"a NUL, echoed escaped", checkSeed(std::string("42\0x", 4)).problem,
         "the seed '42\\x00x' is not a whole number (or S-i, i from 1 to 500)"},
        {"link to a server on the web", linkWarning(link), ""},
        {"link to a host named like this computer", linkWarning("http://localhost.example.org/"),
         ""},
        {"link to a host of 127", linkWarning("https://127.example.org/"), ""},
        {"link refused, so not warned of", linkWarning("ftp://127.0.0.1/"), ""},
    };
    const char* warning = "Students' phones cannot open this address, which leads to this "
                          "computer alone. Give the address where the exercise is published.";
    for (const char* local :
         {"http://127.0.0.1:8080/", "http://LOCALHOST/compartica/", "http://127.1.2.3/?page=1",
          "http://student@localhost:8080/", "http://[::1]:8080/", "http://0.0.0.0:8000/",
          "http://compartica.localhost/"})
        CHECK_EQ(linkWarning(local), std::string(warning), local);
    CHECK_EQ(linkWarning("http://127.0.0.1:8080/", Language::named("es")),
             std::string("Los móviles de los estudiantes no pueden abrir esta dirección, que solo "
                         "lleva a este ordenador. Indica la dirección donde está publicado el "
                         "ejercicio."),
             "a link to this computer, in Spanish");
    for (const auto& row : rows)
        CHECK_EQ(row.problem, std::string(row.expected), row.what);
    CHECK_EQ(checkCount("500").value.value_or(0), 500, "count 500");
    CHECK_EQ(checkSeed("4242-3").value->index, 3, "seed S-i");
    CHECK_EQ(checkPaper("Letter").value == Paper::letter, true, "paper Letter");
    for (const auto& [bytes, width] :
         {std::pair<std::size_t, int>{14, 21}, {15, 25}, {213, 57}, {214, 0}})
        CHECK_EQ(printedCodeWidth(bytes), width, std::to_string(bytes) + " bytes");
}

// An address's query as the teacher's page hands it over, decoded as a
// browser decodes it, and the choices read from it: defaults for those not
// given, each taken once, refused given twice.
void readingSetChoices() {
    const auto pairs = [](const GivenChoices& given) {
        std::string shown;
        for (const auto& [name, value] : given)
            shown += '[' + escapedControls(name) + '=' + escapedControls(value) + ']';
        return shown;
    };
    const std::pair<const char*, const char*> queries[] = {
        {"?count=5&seed=42", "[count=5][seed=42]"},
        {"count=+5%20&link=a%2Fb%26c%3Dd", "[count= 5 ][link=a/b&c=d]"},
        {"seed=4242%00x&paper=%0A", "[seed=4242\\x00x][paper=\\n]"},
        {"count=%zz&seed=%4&link=%", "[count=%zz][seed=%4][link=%]"},
        {"&&count&paper=a=b", "[count=][paper=a=b]"},
        {"", ""},
    };
    for (const auto& [query, decoded] : queries)
        CHECK_EQ(pairs(queryPairs(query)), std::string(decoded), query);

    const SetReading defaults = readSetChoice({});
    CHECK_EQ(defaults.problem() + (defaults.countGiven || defaults.seedGiven ? "given" : ""),
             std::string(), "nothing given: no problem");
    CHECK_EQ(defaults.choice.count == 1 && defaults.choice.paper == Paper::a4 &&
                 defaults.choice.link.empty(),
             true, "nothing given: 1 case on A4 without a link");
    const SetReading read = readSetChoice({{"count", " 7 "},
                                           {"seed", "99"},
                                           {"paper", "LETTER"},
                                           {"link", " https://example.org/c/ "},
                                           {"lang", "de"}});
    CHECK_EQ(read.problem(), std::string(), "every choice taken");
    CHECK_EQ(read.choice.count == 7 && read.choice.first.setSeed == 99 &&
                 read.choice.first.setOnly && read.choice.paper == Paper::letter &&
                 read.choice.link == "https://example.org/c/" && read.countGiven && read.seedGiven,
             true, "7 cases of set 99 on Letter, linked without the spaces around");
    const SetReading twice = readSetChoice({{"count", "5"},
                                            {"count", "5"},
                                            {"link", "https://a.org/"},
                                            {"link", "https://b.org/"},
                                            {"link", "https://c.org/"}},
                                           Language::named("de"));
    CHECK_EQ(
        twice.count + "|" + twice.link + "|" + twice.choice.link,
        std::string("count wird 2-mal angegeben: nur einmal angeben|link wird 3-mal angegeben: "
                    "nur einmal angeben|"),
        "given twice, in German");
    const SetReading oneCase = readSetChoice({{"seed", "4242-2"}, {"count", "30"}});
    CHECK_EQ(oneCase.problem(), std::string("a seed S-i makes one case: set the count to 1"),
             "a seed S-i beside 30 cases");
    CHECK_EQ(readSetChoice({{"seed", "4242-2"}}).problem(), std::string(), "a seed S-i alone");
}

// Names printed on sheets, in QR codes and in courses' records keep their
// patients for good: each opens the patient it opened when it was printed.
void caseNamesKeepTheirPatients() {
    const struct {
        const char* name;
        const char* patient; // sex, weight, haematocrit, concentrations as printed
    } rows[] = {
        {"4242", "woman 78 0.43 1.11 1.93 18.51"},
        {"4242-2", "man 92.4 0.44 0.86 1.66 11.36"},
        {"1796841870255846522-7", "man 77.2 0.42 1.22 2.04 17.24"},
        {"0-1", "woman 86.3 0.5 1.13 2.08 16.66"},
        {"0-500", "woman 71 0.49 1.39 2.67 19.23"},
        {"1-1", "man 76.7 0.46 1.19 2.32 16.12"},
        {"12345678901234567890-250", "woman 91.4 0.52 0.89 1.42 13.88"},
        {"18446744073709551615-500", "woman 67.7 0.41 1.18 2.01 18.51"},
    };
    for (const auto& row : rows) {
        SeededRandomSource random(parseCaseRef(row.name)->seed());
        CaseState patient;
        makecase(patient, random);
        std::string shown = patient.sex == Sex::man ? "man" : "woman";
        for (float value : {patient.weight, patient.haematocrit, patient.antipyrineconc,
                            patient.thiosulphateconc, patient.evansblueconc})
            shown += numberForm(value).substr(0, numberForm(value).size() - 1);
        CHECK_EQ(shown, std::string(row.patient), row.name);
    }
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
        PrintedPanel panel;
        for (const Statement& statement : row.statements)
            panel.Print(statement.items, statement.endOfLine);
        CHECK_EQ(panel.lines(), row.lines, row.name);
    }

    PrintedPanel panel;
    panel.Print({"first"});
    panel.Print({Tab{5}}, false);
    panel.Cls();
    panel.Print();
    panel.Print({"second"});
    CHECK_EQ(panel.lines(), (Lines{"", "second"}), "a clear starts again at the top");
}

// Records what a panel shows on its surface.
struct RecordingSurface final : PanelSurface {
    void cleared() override { ++clears; }
    void printed(const std::vector<PrintedRun>& runs) override { drawn += runs.size(); }
    int clears = 0;
    std::size_t drawn = 0;
};

std::string shown(const PrintedRun& run) {
    return std::to_string(run.x) + "," + std::to_string(run.y) + " line " +
           std::to_string(run.line) + " column " + std::to_string(run.column) + " |" + run.text +
           "|";
}

// Each run is placed in the surface's units (here 8 px columns, 15 px
// lines, 8 px a character) and by line and print column; a step's change
// is the text it added, or after a clear the text it removed.
void printedRuns() {
    RecordingSurface surface;
    PrintedPanel panel({8, 15, [](const std::string& t) { return 8 * int(t.size()); }}, surface);
    panel.Print({"1)", Tab{5}, "What", 75.3f});
    panel.Print({Tab{10}, "µg"});
    std::vector<std::string> runs;
    for (const PrintedRun& run : panel.runs())
        runs.push_back(shown(run));
    CHECK_EQ(runs,
             (Lines{"0,0 line 0 column 1 |1)|", "32,0 line 0 column 5 |What|",
                    "64,0 line 0 column 9 | 75.3 |", "72,15 line 1 column 10 |µg|"}),
             "runs");
    CHECK_EQ(surface.drawn, std::size_t(4), "every run reaches the surface");
    const PanelChange first = panel.takeChange();
    CHECK_EQ(first.added, std::string("1)  What 75.3 \n         µg"), "first change");
    panel.Print({"more"});
    const PanelChange more = panel.takeChange();
    CHECK_EQ(more.cleared || !more.removed.empty(), false, "printing clears nothing");
    CHECK_EQ(more.added, std::string("\nmore"), "a step adds what it printed");
    panel.Cls();
    panel.Print({"new"});
    const PanelChange cleared = panel.takeChange();
    CHECK_EQ(cleared.cleared && surface.clears == 1, true, "a clear");
    CHECK_EQ(cleared.removed, first.added + more.added, "a clear removes all");
    CHECK_EQ(cleared.added, std::string("new"), "then adds the new text");
    CHECK_EQ(panel.takeChange().added, std::string(), "nothing new");
}

// The worked example, clicked through: each stage's screens, the one
// sequence button shown and the control that holds the focus.
struct WorkedRun {
    explicit WorkedRun(Language language = {}, std::vector<float> draws = workedExampleDraws())
        : random(std::move(draws)), exercise(random, questions, answers, language) {}
    ListedRandomSource random;
    PrintedPanel questions;
    PrintedPanel answers;
    Exercise exercise;
};

CaseState workedExampleCase() {
    ListedRandomSource random(workedExampleDraws());
    CaseState state;
    makecase(state, random);
    return state;
}

std::string shownButtons(const Exercise& exercise) {
    std::string names;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(Control::end); ++i)
        if (exercise.stage().isVisible(static_cast<Control>(i)))
            names += std::string(names.empty() ? "" : " ") + layoutOf(static_cast<Control>(i)).name;
    return names;
}

void workedExampleSequence() {
    WorkedRun run;
    std::vector<Stage> reports;
    run.exercise.onStage([&](const Stage& stage) { reports.push_back(stage); });
    run.exercise.Form_Load();
    for (int stage = 0; stage <= 7; ++stage) {
        CHECK_EQ(reports.size(), std::size_t(stage + 1), "one report a step");
        CHECK_EQ(reports.back().complete, stage == 7, "complete once answer 4 shows");
        CHECK_EQ(reports.back().step, stage, "steps taken");
        const std::string where = "worked example, stage " + std::to_string(stage);
        CHECK_EQ(run.questions.lines(), questionsAt(stage), where + ", questions");
        CHECK_EQ(run.answers.lines(), answerAt(stage), where + ", answer");
        const Control next = static_cast<Control>(stage);
        CHECK_EQ(shownButtons(run.exercise),
                 stage < 7 ? std::string(layoutOf(next).name) + " end" : std::string("end"),
                 where + ", buttons");
        CHECK_EQ(run.exercise.stage().isVisible(Control::Picture3), stage > 0,
                 where + ", answer panel");
        CHECK_EQ(static_cast<int>(run.exercise.stage().focus),
                 static_cast<int>(stage < 7 ? next : Control::Picture3), where + ", focus");
        run.exercise.click(next);
    }
    // Hidden buttons take no clicks; after "end" no button does.
    run.exercise.click(Control::hideanswer4);
    CHECK_EQ(run.answers.lines(), answerAt(7), "a click on a hidden button");
    // Nor does a number no control has, as the page's export may be sent.
    run.exercise.click(static_cast<Control>(1000));
    CHECK_EQ(reports.size(), std::size_t(8), "no report for a click not taken");
    WorkedRun ended;
    ended.exercise.Form_Load();
    ended.exercise.click(Control::end);
    ended.exercise.click(Control::seeanswer1);
    CHECK_EQ(ended.exercise.stage().ended, true, "end");
    CHECK_EQ(ended.answers.lines(), Lines{}, "a click after end");

    // Coming back: the same screens after stepping on as after clicking.
    for (const int steps : {3, 99}) {
        WorkedRun resumed;
        resumed.exercise.Form_Load();
        resumed.exercise.stepOn(steps);
        const int stage = std::min(steps, 7);
        const std::string where = "stepped on " + std::to_string(steps);
        CHECK_EQ(resumed.exercise.stage().step, stage, where);
        CHECK_EQ(resumed.questions.lines(), questionsAt(stage), where + ", questions");
        CHECK_EQ(resumed.answers.lines(), answerAt(stage), where + ", answer");
    }
}

} // namespace

// Reaches the handler that no button leads to.
class ExerciseProbe {
public:
    static void hideanswer4_Click(Exercise& exercise) { exercise.hideanswer4_Click(); }
};

namespace {

// Nothing on screen leads to slots 5 and 6; their handlers still run as
// written when reached.
void slotsFiveAndSix() {
    WorkedRun run;
    run.exercise.Form_Load();
    for (int stage = 0; stage < 7; ++stage)
        run.exercise.click(static_cast<Control>(stage));
    const Lines questions = run.questions.lines();
    const auto after = [&](const Lines& more) {
        Lines lines = questions;
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    };
    ExerciseProbe::hideanswer4_Click(run.exercise);
    CHECK_EQ(shownButtons(run.exercise), std::string("seeanswer5 end"), "hide answer 4");
    CHECK_EQ(run.answers.lines(), Lines{}, "hide answer 4 clears the answer");
    CHECK_EQ(run.questions.lines(), after({"", ""}), "slot 5's question is empty");
    run.exercise.click(Control::seeanswer5);
    CHECK_EQ(shownButtons(run.exercise), std::string("hideanswer5 end"), "see answer 5");
    CHECK_EQ(run.answers.lines(), Lines{""}, "slot 5's answer is the indent alone");
    run.exercise.click(Control::hideanswer5);
    CHECK_EQ(shownButtons(run.exercise), std::string("seeanswer6 end"), "hide answer 5");
    // The empty statement of slot 6 ends slot 5's open indent line.
    CHECK_EQ(run.questions.lines(), after({"", "", ""}), "slot 6's question");
    run.exercise.click(Control::seeanswer6);
    CHECK_EQ(shownButtons(run.exercise), std::string("hideanswer6 end"), "see answer 6");
    run.exercise.click(Control::hideanswer6);
    CHECK_EQ(shownButtons(run.exercise), std::string("end"), "hide answer 6");
    CHECK_EQ(run.exercise.stage().isVisible(Control::Picture3), true, "answer panel stays");
    CHECK_EQ(run.answers.lines(), Lines{}, "hide answer 6 clears the answer");
}

// Draws the real source cannot give make the arithmetic fail: a water share
// of 0 divides by a total body water of 0 in makecase; an enormous one
// leaves concentrations that truncate to 0, and answer 1 divides by that.
// The message names the step.
// Typed values checked against the worked example (exact values: total
// body water 50 / 1.15 = 43.478, 57.74 % of 75.3 kg; extracellular fluid
// 50 / 2.07 = 24.155, 55.56 %; plasma 50 / 17.85 = 2.8011, 6.443 %; blood
// 2.8011 / 0.55 = 5.0930) and a case whose printed plasma percentage
// (3.06 / 61.72 -> 4.9) lies more than 1 % below its exact 4.969.
void typedAnswers() {
    using Q = Quantity;
    using F = Finding;
    CaseState small = workedExampleCase();
    small.antipyrineconc = 0.81f;
    small.evansblueconc = 16.3f;
    struct Row {
        const char* name;
        Q quantity;
        const char* typed;
        std::vector<std::pair<Q, const char*>> earlier;
        F finding;
        int question = 0;
        bool smallCase = false;
    };
    const Row rows[] = {
        {"the program's value", Q::totalbodywater, "43.47", {}, F::right},
        {"rounded rightly", Q::totalbodywater, "43.48", {}, F::right},
        {"decimal comma, unit, spaces", Q::totalbodywater, " 43,5 L ", {}, F::right},
        {"1 % in", Q::totalbodywater, "43.9", {}, F::right},
        {"1 % out", Q::totalbodywater, "44", {}, F::notQuite},
        {"millilitres", Q::totalbodywater, "43478", {}, F::millilitres},
        {"another value", Q::ecfvolume, "43.47", {}, F::otherValue, 1},
        {"fraction", Q::tbwpercent, "0.577", {}, F::fraction},
        {"upside down", Q::tbwpercent, "173.2", {}, F::upsideDown},
        {"upside down, no 100", Q::tbwpercent, "1.73", {}, F::upsideDown},
        {"from a wrong water",
         Q::tbwpercent,
         "53.1",
         {{Q::totalbodywater, "40"}},
         F::consistent,
         1},
        {"from a right water", Q::tbwpercent, "53.1", {{Q::totalbodywater, "43.5"}}, F::notQuite},
        {"ECF % from a wrong water",
         Q::ecfpercent,
         "60.4",
         {{Q::totalbodywater, "40"}},
         F::consistent,
         1},
        {"ECF % from a wrong ECF", Q::ecfpercent, "57.5", {{Q::ecfvolume, "25"}}, F::consistent, 2},
        {"nothing follows from a water of 0",
         Q::ecfpercent,
         "50",
         {{Q::totalbodywater, "0"}},
         F::notQuite},
        {"printed, more than 1 % out", Q::plasmapercent, "4,9", {}, F::right, 0, true},
        {"1.2 % out, not printed", Q::plasmapercent, "4.91", {}, F::notQuite, 0, true},
        {"blood", Q::bloodvolume, "5.09", {}, F::right},
        {"blood in mL", Q::bloodvolume, "5093", {}, F::millilitres},
        {"x (1 - haematocrit)", Q::bloodvolume, "1.54", {}, F::timesPlasma},
        {"/ haematocrit", Q::bloodvolume, "6.22", {}, F::overCells},
        {"plasma for blood", Q::bloodvolume, "2.8", {}, F::otherValue, 3},
        {"from a wrong plasma", Q::bloodvolume, "5.45", {{Q::plasmavolume, "3"}}, F::consistent, 3},
    };
    const CaseState worked = workedExampleCase();
    for (const Row& row : rows) {
        TypedValues typed;
        for (const auto& [quantity, text] : row.earlier)
            typed[std::size_t(quantity)] = readTypedNumber(text, quantity);
        const auto value = readTypedNumber(row.typed, row.quantity);
        CHECK_EQ(value.has_value(), true, std::string(row.name) + ": read");
        const Verdict verdict =
            checkTyped(row.smallCase ? small : worked, row.quantity, value.value_or(0), typed);
        CHECK_EQ(int(verdict.finding), int(row.finding), row.name);
        CHECK_EQ(verdict.question, row.question, std::string(row.name) + ": question");
    }
    // The range a course is given as the correct response: its ends the
    // outermost values of 4 decimals the check takes, one step beyond
    // either end not taken (unless the printed value stands beyond 1 %).
    struct Range {
        Q quantity;
        const char* low;
        const char* high;
        bool smallCase = false;
    };
    const Range ranges[] = {
        {Q::totalbodywater, "43.0435", "43.913"}, {Q::tbwpercent, "57.1627", "58.3174"},
        {Q::ecfvolume, "23.9131", "24.3961"},     {Q::ecfpercent, "55.0001", "56.1111"},
        {Q::plasmavolume, "2.7732", "2.8291"},    {Q::plasmapercent, "6.3782", "6.507"},
        {Q::bloodvolume, "5.0421", "5.1438"},     {Q::plasmapercent, "4.9", "5.019", true}};
    for (const Range& range : ranges) {
        const CaseState& state = range.smallCase ? small : worked;
        const std::string name = interactionId(range.quantity);
        const AcceptedRange accepted = acceptedRange(state, range.quantity);
        CHECK_EQ(accepted.low + " " + accepted.high, std::string(range.low) + " " + range.high,
                 name + ": the range accepted");
        const auto finding = [&](double value) {
            return checkTyped(state, range.quantity, value, TypedValues{}).finding;
        };
        const double low = std::stod(range.low), high = std::stod(range.high);
        CHECK_EQ(finding(low) == F::right && finding(high) == F::right, true,
                 name + ": ends right");
        CHECK_EQ(finding(low - 1e-4) != F::right && finding(high + 1e-4) != F::right, true,
                 name + ": a step beyond, not");
    }

    // A NUL or another control character makes a text unreadable wherever
    // it stands, as a field shows it.
    using namespace std::string_literals;
    for (const std::string& unreadable : {""s, "4 3"s, "1,234.5"s, "abc"s, "5 %"s, "43.47\0junk"s,
                                          "\0"s + "43.47", "43.47\n"s, "\t43.47"s, "43.47 L\r"s})
        CHECK_EQ(readTypedNumber(unreadable, Q::totalbodywater).has_value(), false,
                 escapedControls(unreadable));
}

// Practice through the exercise: the fields while a question is posed,
// the first check kept for the score, what the worked answer checks, and
// the record a course keeps bringing back the same.
void practice() {
    WorkedRun run(Language::named("de"));
    Exercise plain(run.random, run.questions, run.answers);
    CHECK_EQ(plain.stage().practice.on, false, "off unless asked");
    Exercise exercise(run.random, run.questions, run.answers, Language::named("de"), true);
    std::vector<Interaction> checks;
    exercise.onStage([&](const Stage& stage) {
        checks.insert(checks.end(), stage.practice.firstChecks.begin(),
                      stage.practice.firstChecks.end());
    });
    exercise.Form_Load();
    const PracticeStage& shown = exercise.stage().practice;
    CHECK_EQ(exercise.stage().isVisible(Control::Picture3) && shown.checkShown &&
                 shown.fields.size() == 2 && shown.fields[0].editable,
             true, "question 1 posed: two fields and Check in the answer panel");
    exercise.check();
    CHECK_EQ(shown.fields[0].verdict, std::string("Geben Sie zuerst Ihre Antwort ein."), "empty");
    exercise.type(Quantity::totalbodywater, "43,5");
    exercise.type(Quantity::tbwpercent, "0,577");
    exercise.type(Quantity::ecfvolume, "24"); // not asked yet: not taken
    exercise.check();
    exercise.type(Quantity::tbwpercent, "57,7");
    exercise.check();
    CHECK_EQ(shown.fields[1].verdict, std::string("Richtig."), "corrected");
    exercise.click(Control::seeanswer1);
    CHECK_EQ(shown.fields[0].verdict, std::string("Richtig. Die Antwort: 43,47 L"), "shown");
    exercise.click(Control::hideanswer1);
    CHECK_EQ(shown.fields[0].typed.empty() && shown.focusField, true, "question 2's own fields");
    exercise.type(Quantity::ecfpercent, "55.5");
    exercise.click(Control::seeanswer2); // checks what was typed
    CHECK_EQ(checks.size(), std::size_t(3), "one record a value, at its first check");
    const Interaction expected[] = {
        {Quantity::totalbodywater, "43.5", true, "43.47", {"43.0435", "43.913"}},
        {Quantity::tbwpercent, "0.577", false, "57.7", {"57.1627", "58.3174"}},
        {Quantity::ecfpercent, "55.5", true, "55.5", {"55.0001", "56.1111"}}};
    for (std::size_t n = 0; n < checks.size() && n < std::size(expected); ++n)
        CHECK_EQ(checks[n].quantity == expected[n].quantity &&
                     checks[n].response == expected[n].response &&
                     checks[n].correct == expected[n].correct &&
                     checks[n].correctResponse == expected[n].correctResponse &&
                     checks[n].accepted.low == expected[n].accepted.low &&
                     checks[n].accepted.high == expected[n].accepted.high,
                 true, "interaction " + std::to_string(n));
    // How each question stands for a course: answered or not, how many of
    // its values were checked, and the share right at their first check.
    const auto outcomes = [&exercise] {
        std::string text;
        for (const QuestionOutcome& outcome : exercise.outcomes())
            text += "q" + std::to_string(outcome.question) +
                    (outcome.answerShown ? " shown " : " ") + std::to_string(outcome.checked) +
                    " " + std::to_string(outcome.score) + "; ";
        return text;
    };
    CHECK_EQ(outcomes(), std::string("q1 shown 2 50; q2 shown 1 50; q3 0 0; q4 0 0; "),
             "outcomes at answer 2");
    exercise.stepOn(5);
    CHECK_EQ(outcomes(), std::string("q1 shown 2 50; q2 shown 1 50; q3 shown 0 0; q4 shown 0 0; "),
             "outcomes at answer 4: a value never checked counts as not right");
    CHECK_EQ(exercise.stage().practice.summary,
             std::string("Beim ersten Prüfen richtig: 2 von 7 Werten."), "summary");
    CHECK_EQ(exercise.stage().practice.score, 29, "2 of 7");

    // Beside a worked answer the fields follow its lines (15 px each, as the
    // window's font has them), within the answer panel, which holds all of
    // practice in whole lines, so that a page can still fit the layout.
    const int panelHeight = pixelsOf(layoutOf(Control::Picture3)).height;
    CHECK_EQ(practiceLines(15) * 15 <= panelHeight, true, "practice in the answer panel's lines");
    for (int n = 1; n <= 4; ++n) {
        const PracticePlaces places = practicePlaces(n, true, 15);
        const PixelRect& last = n == 4 ? places.summary : places.rows.back().verdict;
        CHECK_EQ(places.rows.front().label.top >= int(answerAt(2 * n - 1).size()) * 15 &&
                     last.top + last.height <= panelHeight,
                 true, "answer " + std::to_string(n) + ": the fields below it, in the panel");
    }

    // A course's attempt resumed at question 1 shows what it kept there; a
    // finished attempt shown again shows its record and takes nothing.
    WorkedRun first;
    Exercise resumed(first.random, first.questions, first.answers, Language{}, true);
    int reports = 0;
    resumed.onStage([&](const Stage&) { ++reports; });
    resumed.Form_Load();
    resumed.resume("-43478|.0,5", 0);
    const PracticeStage& atOne = resumed.stage().practice;
    CHECK_EQ(reports == 2 && atOne.fields[0].typed == "43478" && atOne.fields[1].typed == "0,5" &&
                 atOne.fields[0].editable && atOne.checkShown,
             true, "resumed at question 1: the kept texts shown");
    CHECK_EQ(atOne.fields[0].verdict.substr(0, 15), std::string("Check the units"),
             "and the kept verdict");
    WorkedRun finished;
    Exercise shownOnly(finished.random, finished.questions, finished.answers, Language{}, true);
    shownOnly.showOnly();
    shownOnly.Form_Load();
    shownOnly.resume(exercise.practiceRecord(), 7);
    shownOnly.type(Quantity::bloodvolume, "5.09");
    shownOnly.check();
    const PracticeStage& only = shownOnly.stage().practice;
    CHECK_EQ(shownOnly.stage().step == 7 &&
                 shownOnly.practiceRecord() == exercise.practiceRecord() && !only.checkShown &&
                 !only.fields[0].editable &&
                 only.summary == "Right at the first check: 2 of 7 values.",
             true, "a finished attempt shown as it ended");
    WorkedRun review;
    Exercise atQuestion(review.random, review.questions, review.answers, Language{}, true);
    atQuestion.showOnly();
    atQuestion.Form_Load();
    atQuestion.resume("", 0);
    atQuestion.type(Quantity::totalbodywater, "43.47");
    atQuestion.check();
    CHECK_EQ(!atQuestion.stage().practice.fields[0].editable &&
                 !atQuestion.stage().practice.checkShown &&
                 !atQuestion.stage().practice.focusField &&
                 atQuestion.practiceRecord() == ".|.|.|.|.|.|.",
             true, "shown at a question: no field to type in, no Check");

    Practice kept;
    kept.restore(workedExampleCase(), exercise.practiceRecord());
    CHECK_EQ(kept.record(), exercise.practiceRecord(), "the record brings back the same");
    CHECK_EQ(kept.rightAtFirst(), 2, "and the same first checks");
    kept.restore(workedExampleCase(), "+" + std::string(23, 'x') + "\xc3\xa4|-5|+|.|garbage");
    CHECK_EQ(kept.record(), "+" + std::string(23, 'x') + "|-5|+|.|.arbage|.|.",
             "a record cut between characters, a flag it does not know");
    // A course's record holds no control character (a database may refuse
    // a NUL): each is kept as U+FFFD, which reads as unreadably as it did.
    kept.type(Quantity::totalbodywater, std::string("43.47\0x\n", 8));
    CHECK_EQ(kept.record().substr(0, 13), std::string("+43.47\xef\xbf\xbdx\xef\xbf\xbd"),
             "a NUL and a newline typed, as the record keeps them");
}

void faultsStopTheExercise() {
    struct {
        const char* step;
        float waterDraw;
        FaultStep fault;
    } rows[] = {{"makecase", -10.0f / 3.0f, FaultStep::makecase},
                {"answer 1", 1e30f, FaultStep::answer1}};
    for (const auto& row : rows) {
        std::vector<float> draws = workedExampleDraws();
        draws[3] = row.waterDraw;
        ListedRandomSource random(draws);
        PrintedPanel questions, answers;
        Exercise exercise(random, questions, answers);
        exercise.Form_Load();
        exercise.click(Control::seeanswer1);
        CHECK_EQ(exercise.stage().fault == row.fault, true, row.step);
        CHECK_EQ(faultMessage({}, row.fault),
                 "Compartica has stopped: the arithmetic of " + std::string(row.step) +
                     " failed (overflow, division by zero or an invalid operation).",
                 row.step);
        CHECK_EQ(answers.text().find("inf") == std::string::npos, true, row.step);
        exercise.click(Control::hideanswer1);
        CHECK_EQ(exercise.stage().isVisible(Control::seeanswer2), false, "no step after a fault");
    }
}

// The worksheet prints the same case and answers as the window, with room
// to write after each question, below its header: the QR code of the link
// stands beside the header's first lines.
void worksheet() {
    ListedRandomSource random(workedExampleDraws());
    PrintedPanel sheet, key;
    const std::string link = "https://example.org/#case=1-1";
    printCasePages(random, "Case 1", {link}, sheet, key);
    Lines expected = {"Case 1",
                      "",
                      "Name: ________________________________________    Date: ________________",
                      "",
                      "Work this case on screen, with its answers one step at a time:",
                      link,
                      ""};
    CHECK_EQ(sheet.lines()[linkedHeaderLines - 2], link, "the header's last line of text");
    const auto append = [&](const Lines& lines) {
        expected.insert(expected.end(), lines.begin(), lines.end());
    };
    const Lines room(writingLines, "");
    for (const Lines* question : {&caseLines, &question2Lines, &question3Lines, &question4Lines}) {
        append(*question);
        append(room);
    }
    CHECK_EQ(sheet.lines(), expected, "sheet");
    expected = {"Answer key: Case 1"};
    int n = 0;
    for (const Lines* answer : {&answer1Lines, &answer2Lines, &answer3Lines, &answer4Lines}) {
        append({"", "Answer " + std::to_string(++n)});
        append(*answer);
    }
    append(Lines(keyPictureLines, ""));
    CHECK_EQ(key.lines(), expected, "key");
}

// A class set on paper, in a font of 10 units a character and 20 a line
// (the key's 16): a sheet a case, its code at the right of its first
// lines; the key's cases whole and in turn, two empty lines apart, each
// with its picture at its foot, within the page; or one a page.
void classSet() {
    const auto font = [](int line) {
        return PrintLayout::Metrics{10, line, [](const std::string& text) {
                                        return 10 * static_cast<int>(fromUtf8(text).size());
                                    }};
    };
    SetChoice choice;
    choice.count = 5;
    choice.first = *parseCaseRef("4242");
    choice.link = "https://example.org/c/";
    choice.paper = Paper::letter;
    const PageArea area = printableArea(Paper::letter);
    const ClassSet set = layOutClassSet(choice, {font(20), font(16), font(12)});
    CHECK_EQ(set.sheets.size(), std::size_t(5), "a sheet a case");
    for (const PaperPage& sheet : set.sheets)
        CHECK_EQ(sheet.blocks.size() == 1 && sheet.blocks[0].code &&
                     sheet.blocks[0].code->square.left + sheet.blocks[0].code->square.width ==
                         area.width &&
                     sheet.blocks[0].code->square.width == 7 * 20 - 10,
                 true, "the sheet's code at its right, 6.5 lines a side");
    CHECK_EQ(set.sheets[1].blocks[0].code->link, choice.link + "#case=4242-2", "case 2's code");
    std::size_t cases = 0;
    for (const PaperPage& page : set.key) {
        int below = -2 * 16;
        for (const PaperBlock& block : page.blocks) {
            const PaperPicture& picture = *block.picture;
            CHECK_EQ(block.runs.front().y, below + 2 * 16, "a case two lines below the last");
            CHECK_EQ(picture.top >= block.runs.back().y + 16 &&
                         picture.top + picture.picture.height <= area.height,
                     true, "its picture below its answers, on the page");
            below = picture.top + picture.picture.height;
            ++cases;
        }
    }
    CHECK_EQ(cases, std::size_t(5), "every case in the key");
    CHECK_EQ(set.key.size() < 5, true, "the key packed");
    choice.keyPerPage = true;
    CHECK_EQ(layOutClassSet(choice, {font(20), font(16), font(12)}).key.size(), std::size_t(5),
             "the key a case a page");
}

// The patient's body water from the worked answers: the worked example's
// compartments worked by hand (43.47 - 24.15, 24.15 - 2.8, 5.09 - 2.8 L,
// percentages of 75.3 kg truncated), the parts of a sweep of cases adding
// up to their wholes with total body water at answer 1's percentage; and
// the picture, for the widest values in every language, in the window's
// room (and in the page's, as short as it gets), a phone's column and the
// foot of a case in the key, with every label inside it
// and none over another (text measured at 6 units a character at 14 unit
// lines, wider than the window's and the page's regular faces).
void bodyWater() {
    const BodyWater worked = bodyWaterOf(workedExampleCase());
    const std::array<int, compartmentCount> hundredths = {4347, 1932, 2415, 2135, 280, 229, 509};
    const std::array<int, compartmentCount> tenths = {577, 256, 320, 283, 37, 30, 67};
    CHECK_EQ(worked.hundredths == hundredths && worked.percentTenths == tenths, true,
             "the worked example's compartments");
    CHECK_EQ(compartmentLabel(Language::named("de"), worked, Compartment::intracellular),
             std::string("Intrazellulärflüssigkeit: 19,32 L, 25,6 %"), "a label in German");

    for (std::uint64_t n = 0; n < 2000; ++n) {
        SeededRandomSource random(n);
        CaseState state;
        makecase(state, random);
        const BodyWater water = bodyWaterOf(state);
        const auto litres = [&](Compartment part) { return water.litresHundredths(part); };
        const bool adds = litres(Compartment::intracellular) + litres(Compartment::extracellular) ==
                              litres(Compartment::totalbodywater) &&
                          litres(Compartment::interstitial) + litres(Compartment::plasma) ==
                              litres(Compartment::extracellular) &&
                          litres(Compartment::plasma) + litres(Compartment::redcells) ==
                              litres(Compartment::blood);
        const std::string tbw = compartmentPercent(Language(), water, Compartment::totalbodywater);
        CHECK_EQ(adds, true, "case " + std::to_string(n) + ": the parts add up");
        CHECK_EQ(tbw, bareNumber(answer1(state).tbwpercent), "case " + std::to_string(n));
    }

    CaseState widest = workedExampleCase();
    widest.weight = 60.1f;
    widest.antipyrineconc = 0.81f;
    widest.thiosulphateconc = 2.29f;
    widest.evansblueconc = 10.24f;
    widest.haematocrit = 0.59f;
    const BodyWater wide = bodyWaterOf(widest);
    const struct {
        const char* room;
        int width, height, lineHeight;
    } rooms[] = {{"window", 177, 569, 14},
                 {"the page's window layout at its shortest", 177, 273, 14},
                 {"phone", 328, 900, 16},
                 {"key", 8500, 600, 134}};
    const auto measure = [](const std::string& text) {
        return 6 * static_cast<int>(fromUtf8(text).size());
    };
    for (const auto& room : rooms) {
        for (const Language& language : Language::all()) {
            const auto scaled = [&](const std::string& text) {
                return measure(text) * room.lineHeight / 14;
            };
            const BodyWaterPicture picture = drawBodyWater(
                wide, language,
                {room.width, room.height, room.lineHeight, scaled, room.height > room.width});
            const std::string where = std::string(room.room) + ", " + language.code() + ": ";
            CHECK_EQ(picture.texts.size() >= 7, true, where + "labels");
            for (std::size_t a = 0; a < picture.texts.size(); ++a) {
                const PixelRect& r = picture.texts[a].rect;
                const bool inside = r.left >= 0 && r.top >= 0 && r.left + r.width <= room.width &&
                                    r.top + r.height <= room.height;
                CHECK_EQ(inside, true, where + picture.texts[a].lines.front() + " inside");
                for (std::size_t b = a + 1; b < picture.texts.size(); ++b) {
                    const PixelRect& o = picture.texts[b].rect;
                    const bool apart = r.left + r.width <= o.left || o.left + o.width <= r.left ||
                                       r.top + r.height <= o.top || o.top + o.height <= r.top;
                    CHECK_EQ(apart, true,
                             where + picture.texts[a].lines.front() + " and " +
                                 picture.texts[b].lines.front());
                }
            }
        }
    }
}

// The window's layout in a shorter client area, with 15 px lines: the
// figures worked by hand from the layout (question panel 0..593, answer
// panel 600..761, "end" 696..729, seeanswer4's bottom at 393) and the
// worked example's 22 question lines and 7 answer lines. Each row: the
// height given, then the height, the question panel's height, the answer
// panel's top and height and end's top fitted, or nothing.
void fittedLayouts() {
    const char* rows[] = {"1000 768 593 600 161 696", "768 768 593 600 161 696",
                          "657 657 482 489 161 585",  "457 457 330 337 113 400",
                          "449 449 330 337 105 400",  "448"};
    for (const std::string row : rows) {
        const int height = std::stoi(row);
        std::string shown = std::to_string(height);
        if (const auto fitted = fitToHeight(height, 15, exerciseReach()))
            for (const int value : {fitted->height, fitted->questions.height, fitted->answers.top,
                                    fitted->answers.height, fitted->end.top})
                shown.append(" ").append(std::to_string(value));
        CHECK_EQ(shown, row, "fitted to " + std::to_string(height));
    }
}

// The languages the environment asks for, in gettext's order, and the
// one the program then speaks.
void environmentLanguage() {
    const struct {
        const char *language, *all, *messages, *lang;
        const char* chosen;
    } rows[] = {
        {nullptr, nullptr, nullptr, nullptr, "en"},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "de"},
        {nullptr, nullptr, "es_ES.UTF-8", "de_DE.UTF-8", "es"},
        {nullptr, "C", "es_ES.UTF-8", "de_DE.UTF-8", "en"},
        {"", "POSIX", nullptr, "de_DE.UTF-8", "en"},
        {"fr:es_MX:de", "de_DE.UTF-8", nullptr, nullptr, "es"},
        {"fr", nullptr, nullptr, "de_DE.UTF-8", "en"},
        {nullptr, nullptr, nullptr, "DE-at", "de"},
    };
    for (const auto& row : rows) {
        const Language chosen =
            Language::firstOf(environmentLanguages(row.language, row.all, row.messages, row.lang));
        CHECK_EQ(std::string(chosen.code()), std::string(row.chosen), row.chosen);
    }
}

// Every screen of the worked example in `language`, for a man (first draw
// 0.25) or a woman (0.75): the questions at the end, and the four answers.
struct Walk {
    Lines questions, answers;
};
Walk walkIn(const Language& language, float sexDraw) {
    std::vector<float> draws = workedExampleDraws();
    draws[0] = sexDraw;
    WorkedRun run(language, draws);
    run.exercise.Form_Load();
    Walk walk;
    for (int stage = 0; stage < 7; ++stage) {
        run.exercise.click(static_cast<Control>(stage));
        if (stage % 2 == 0)
            for (const std::string& line : run.answers.lines())
                walk.answers.push_back(line);
    }
    walk.questions = run.questions.lines();
    return walk;
}

// Each language's worked example, for a man and for a woman: every decimal
// number written with the language's mark, and the two patients worded
// apart in the case's first line and alike in the answers. (That every
// line fits its panel is measured in pixels, with the window's font.)
void everyLanguage() {
    const struct {
        const char* code;
        char mark;
    } rows[] = {{"en", '.'}, {"de", ','}, {"es", ','}};
    for (const auto& row : rows) {
        const Language language = Language::named(row.code);
        CHECK_EQ(std::string(language.code()), std::string(row.code), "a catalogue");
        const Walk man = walkIn(language, 0.25f), woman = walkIn(language, 0.75f);
        std::size_t marks = 0;
        for (const Lines* lines : {&man.questions, &man.answers, &woman.questions, &woman.answers})
            for (const std::string& line : *lines)
                for (std::size_t i = 1; i + 1 < line.size(); ++i)
                    if ((line[i] == '.' || line[i] == ',') && std::isdigit(line[i - 1]) &&
                        std::isdigit(line[i + 1]))
                        marks += line[i] == row.mark ? 1 : 1000;
        const std::string where = std::string(row.code) + ": ";
        CHECK_EQ(marks > 0 && marks < 1000, true, where + "decimal marks");
        CHECK_EQ(man.questions[1] != woman.questions[1], true, where + "the case's first line");
        CHECK_EQ(man.answers, woman.answers, where + "the answers");
    }
    CHECK_EQ(walkIn(Language::named("de"), 0.25f).questions[1],
             std::string("    Der Patient ist ein Mann, der 75,3 kg wiegt"), "de, the patient");
}

void printTranscripts() {
    for (const Language& language : Language::all()) {
        WorkedRun run(language);
        run.exercise.Form_Load();
        for (int stage = 0; stage <= 7; ++stage) {
            std::cout << "== " << language.code() << " stage " << stage << " questions\n"
                      << run.questions.text() << "\n";
            std::cout << "== " << language.code() << " stage " << stage << " answer\n"
                      << run.answers.text() << "\n";
            run.exercise.click(static_cast<Control>(stage));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--transcripts") == 0) {
        printTranscripts();
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--number-forms") == 0) {
        printNumberFormDigest();
        return 0;
    }
    numberForms();
    if (numberform_detail::haveToChars())
        numberFormPathsAgree();
#ifndef __EMSCRIPTEN__
    sameInACommaLocale();
#endif
    drawLists();
    caseRefs();
    setChoices();
    readingSetChoices();
    caseNamesKeepTheirPatients();
    transcripts();
    printedRuns();
    workedExampleSequence();
    slotsFiveAndSix();
    faultsStopTheExercise();
    typedAnswers();
    practice();
    worksheet();
    classSet();
    bodyWater();
    fittedLayouts();
    environmentLanguage();
    everyLanguage();
    std::cout << "core: " << check::failures << " failures\n";
    return check::failures == 0 ? 0 : 1;
}
