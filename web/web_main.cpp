// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's side of the exercise, compiled to WebAssembly: the core's
// Exercise over two printed panels shown as the page's text. Every case is
// named by a set seed and index, as on a worksheet, so that a link or a
// course can bring back the same patient. The page (page.js) calls the
// exported functions below; the panels call back into the page to measure
// text and to place each printed run, and after each step the exercise
// tells the page the new stage.

#include "case/seeded_random_source.h"
#include "core/body_water_picture.h"
#include "core/exercise.h"
#include "core/exercise_texts.h"
#include "core/practice_layout.h"
#include "core/printed_panel.h"
#include "core/worksheet.h"
#include "web/json.h"
#include "web/picture_json.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// clang-format off
EM_JS(int, page_text_width, (const char* text), {
    return Module.compartica.textWidth(UTF8ToString(text));
});
EM_JS(void, page_print, (int panel, int x, int y, int line, int column, const char* text), {
    Module.compartica.print(panel, { x, y, line, column, text: UTF8ToString(text) });
});
EM_JS(void, page_clear, (int panel), {
    Module.compartica.clear(panel);
});
EM_JS(void, page_stage, (int shown, int focus, int step, int complete, const char* message,
                         const char* restart, const char* spoken, const char* practice,
                         const char* outcomes), {
    Module.compartica.stage({ shown, focus, step, complete: complete !== 0,
                              message: UTF8ToString(message), restart: UTF8ToString(restart),
                              spoken: UTF8ToString(spoken),
                              practice: JSON.parse(UTF8ToString(practice)),
                              outcomes: JSON.parse(UTF8ToString(outcomes)) });
});
EM_JS(void, page_case, (const char* ref, const char* label, const char* notice), {
    Module.compartica.caseShown(UTF8ToString(ref), UTF8ToString(label), UTF8ToString(notice));
});
// A set seed for a new patient: 53 random bits, exact in a double.
EM_JS(double, page_fresh_seed, (), {
    const [high, low] = crypto.getRandomValues(new Uint32Array(2));
    return (high >>> 11) * 4294967296 + low;
});
// clang-format on

// Where a panel shows on the page: one of its text panels, in CSS pixels
// for the window's layout and in lines and columns for the flowing one.
class PageSurface final : public PanelSurface {
public:
    explicit PageSurface(int id) : id_(id) {}

    PrintLayout::Metrics metrics(int columnWidth, int lineHeight) const {
        return {columnWidth, lineHeight,
                [](const std::string& text) { return page_text_width(text.c_str()); }};
    }
    void cleared() override { page_clear(id_); }
    void printed(const std::vector<PrintedRun>& runs) override {
        for (const PrintedRun& run : runs)
            page_print(id_, run.x, run.y, run.line, run.column, run.text.c_str());
    }

private:
    int id_;
};

// Practice's stage as JSON for the page: each field with its places in the
// answer panel (window layout), the Check button's, the summary, the score,
// the record a course keeps, and the values checked for the first time.
std::string practiceJson(const Stage& stage, const Language& language, const std::string& record,
                         int lineHeight) {
    const PracticeStage& shown = stage.practice;
    if (!shown.on || shown.fields.empty())
        return "{}";
    const int question = questionOf(shown.fields.front().quantity);
    const PracticePlaces places =
        practicePlaces(question, !shown.fields.front().editable, lineHeight);
    std::vector<std::string> fields, checks;
    for (std::size_t n = 0; n < shown.fields.size(); ++n) {
        const PracticeField& field = shown.fields[n];
        const PracticeRowPlaces& row = places.rows[n];
        fields.push_back(Json()
                             .number("quantity", static_cast<int>(field.quantity))
                             .text("label", field.label)
                             .text("unit", field.unit)
                             .text("name", field.accessibleName)
                             .text("typed", field.typed)
                             .text("verdict", field.verdict)
                             .flag("editable", field.editable)
                             .box("labelBox", row.label)
                             .box("fieldBox", row.field)
                             .box("unitBox", row.unit)
                             .box("verdictBox", row.verdict)
                             .object());
    }
    for (const Interaction& check : shown.firstChecks)
        checks.push_back(Json()
                             .number("index", static_cast<int>(check.quantity))
                             .text("id", interactionId(check.quantity))
                             .text("response", check.response)
                             .flag("correct", check.correct)
                             .text("correctResponse", check.correctResponse)
                             .text("acceptedLow", check.accepted.low)
                             .text("acceptedHigh", check.accepted.high)
                             .text("description", fieldLabel(language, check.quantity))
                             .object());
    return Json()
        .number("question", question)
        .raw("fields", listOf(fields))
        .flag("checkShown", shown.checkShown)
        .text("checkCaption", checkCaption(language))
        .box("checkBox", places.check)
        .flag("focusField", shown.focusField)
        .flag("checking", shown.checking)
        .text("summary", shown.summary)
        .box("summaryBox", places.summary)
        .number("score", shown.score)
        .text("record", record)
        .raw("firstChecks", listOf(checks))
        .object();
}

// How each question stands, as JSON for a course's objectives: its id
// ("q1" to "q4"), whether its answer has been shown and, in practice, how
// many of its values were checked and its score.
std::string outcomesJson(const Exercise& exercise) {
    std::vector<std::string> all;
    for (const QuestionOutcome& outcome : exercise.outcomes())
        all.push_back(Json()
                          .text("id", "q" + std::to_string(outcome.question))
                          .flag("answerShown", outcome.answerShown)
                          .number("checked", outcome.checked)
                          .number("score", outcome.score)
                          .object());
    return listOf(all);
}

// The picture of the body water laid out for `width` x `height` pixels, in
// the panels' text, and its text alternative, as JSON: its parts, the
// title, the summary, and the table's headings and rows.
std::string pictureJson(const BodyWater& water, const Language& language, int width, int height,
                        int lineHeight) {
    const BodyWaterPicture picture = drawBodyWater(
        water, language,
        {width, height, lineHeight,
         [](const std::string& text) { return page_text_width(text.c_str()); }, true});
    std::vector<std::string> rows;
    for (const Compartment part : everyCompartment)
        rows.push_back(strings(std::vector<std::string>{
            compartmentName(language, part), compartmentLitres(language, water, part),
            compartmentPercent(language, water, part)}));
    return pictureParts(picture)
        .text("title", bodyWaterTitle(language))
        .text("summary", bodyWaterSummary(language))
        .raw("headings", strings(bodyWaterTableHeadings(language)))
        .raw("rows", listOf(rows))
        .object();
}

// The one exercise of the page.
struct Page {
    Language language;
    bool inCourse;
    bool named; // a case named or scripted, not a new patient drawn afresh
    std::unique_ptr<RandomSource> random;
    PageSurface questionText{0};
    PageSurface answerText{1};
    PrintedPanel questions;
    PrintedPanel answers;
    Exercise exercise;

    int lineHeight;

    Page(std::unique_ptr<RandomSource> source, int columnWidth, int lineHeight, bool course,
         Language shownIn, bool practice, bool caseNamed)
        : language(shownIn), inCourse(course), named(caseNamed), random(std::move(source)),
          questions(questionText.metrics(columnWidth, lineHeight), questionText),
          answers(answerText.metrics(columnWidth, lineHeight), answerText),
          exercise(*random, questions, answers, language, practice), lineHeight(lineHeight) {
        exercise.onStage([this](const Stage& stage) { report(stage); });
    }

    // Bit n of `shown` for the control numbered n; once the exercise has
    // stopped or ended, the message the page shows in its place and the
    // caption of the button that starts again. In a course, whose record
    // a new patient would not reach, the page says the exercise can be
    // closed instead. `spoken`: what the step printed, the question panel's
    // lines before the answer panel's, for a screen reader to say at once.
    void report(const Stage& stage) {
        int shown = 0;
        for (std::size_t n = 0; n < controlCount; ++n)
            shown |= stage.visible[n] ? 1 << n : 0;
        const std::string message = stage.fault != FaultStep::none
                                        ? faultMessage(language, stage.fault)
                                    : !stage.ended ? ""
                                    : inCourse     ? courseEndedMessage(language)
                                                   : endedMessage(language);
        const bool restarts = !message.empty() && !inCourse;
        const std::string spoken = questions.takeChange().added + '\n' + answers.takeChange().added;
        const std::string practice =
            practiceJson(stage, language, exercise.practiceRecord(), lineHeight);
        page_stage(shown, static_cast<int>(stage.focus), stage.step, stage.complete,
                   message.c_str(), restarts ? newPatientCaption(language).c_str() : "",
                   spoken.c_str(), practice.c_str(), outcomesJson(exercise).c_str());
    }
};

std::unique_ptr<Page> page;

} // namespace

extern "C" {

// Makes a case and prints it, in place of any before. draws: a
// comma-separated list of draws (for tests), or empty. Otherwise the case
// `name` ("S-i" or "S", as a worksheet names it), or a new patient at its
// start for an empty or malformed name. The page is told the case's name
// and, for a name that came by a link (`linked`), the label it shows or,
// for a malformed one from the page's address (not `resumed` from a
// course's record), the line it shows instead. `course`: the page runs in
// a course. `lang`: the code of the language the page shows. `practice`:
// the student types each value before its worked answer.
EMSCRIPTEN_KEEPALIVE void compartica_start(int columnWidth, int lineHeight, const char* draws,
                                           int drawsLength, const char* name, int nameLength,
                                           int linked, int resumed, int course, const char* lang,
                                           int langLength, int practice) {
    const Language language = Language::named(givenText(lang, langLength));
    std::unique_ptr<RandomSource> source;
    bool named = true;
    if (const auto listed = parseDraws(givenText(draws, drawsLength))) {
        source = std::make_unique<ListedRandomSource>(*listed);
        page_case("", "", "");
    } else {
        const auto ref = parseCaseRef(givenText(name, nameLength));
        const CaseRef shown =
            ref.value_or(CaseRef{static_cast<std::uint64_t>(page_fresh_seed()), 1, true});
        source = std::make_unique<SeededRandomSource>(shown.seed());
        page_case(shown.text().c_str(),
                  linked && ref ? caseLabel(language, shown.setSeed, shown.index).c_str() : "",
                  linked && !resumed && !ref ? badCaseLinkMessage(language).c_str() : "");
        named = ref.has_value();
    }
    page = std::make_unique<Page>(std::move(source), columnWidth, lineHeight, course != 0, language,
                                  practice != 0, named);
    page->exercise.Form_Load();
}

// Goes on from where a course left the case started: `steps` steps along
// the exercise (none for a new patient), with what was typed and checked
// (`record`, as the stage's record gave it); `showOnly`: a finished
// attempt, shown as it ended, in which nothing can be typed or checked.
EMSCRIPTEN_KEEPALIVE void compartica_resume(int steps, const char* record, int recordLength,
                                            int showOnly) {
    if (showOnly)
        page->exercise.showOnly();
    page->exercise.resume(givenText(record, recordLength), page->named ? steps : 0);
}

EMSCRIPTEN_KEEPALIVE void compartica_click(int control) {
    page->exercise.click(static_cast<Control>(control));
}

// Practice: the text of field `quantity` as typed, and a check of the
// fields shown.
EMSCRIPTEN_KEEPALIVE void compartica_type(int quantity, const char* text, int length) {
    if (quantity >= 0 && quantity < int(quantityCount))
        page->exercise.type(static_cast<Quantity>(quantity), givenText(text, length));
}

EMSCRIPTEN_KEEPALIVE void compartica_check() {
    page->exercise.check();
}

// The layout table with the captions and names in the language `lang`.
EMSCRIPTEN_KEEPALIVE const char* compartica_layout(const char* lang, int langLength) {
    return handOver(layoutTable(Language::named(givenText(lang, langLength))));
}

// The window's layout in a viewport `height` pixels tall at full size:
// "height, question panel top and height, answer panel top and height, end
// top", tab-separated, or empty where the layout cannot fit. In practice
// the answer panel keeps room for the fields.
EMSCRIPTEN_KEEPALIVE const char* compartica_fit(int height, int lineHeight, int practice) {
    static const ExerciseReach plain = exerciseReach();
    ExerciseReach reach = plain;
    if (practice)
        reach.answerLines = std::max(reach.answerLines, practiceLines(lineHeight));
    const auto fitted = fitToHeight(height, lineHeight, reach);
    if (!fitted)
        return handOver("");
    std::string text = std::to_string(fitted->height);
    for (const int value : {fitted->questions.top, fitted->questions.height, fitted->answers.top,
                            fitted->answers.height, fitted->end.top})
        text += '\t' + std::to_string(value);
    return handOver(text);
}

// Once answer 4 is shown, the patient's body water drawn in `width` x
// `height` pixels at full size, as JSON (see pictureJson); before, empty.
EMSCRIPTEN_KEEPALIVE const char* compartica_picture(int width, int height) {
    if (!page || !page->exercise.stage().complete)
        return handOver("");
    return handOver(pictureJson(bodyWaterOf(page->exercise.caseState()), page->language, width,
                                height, page->lineHeight));
}

// The line a course's copy of the page shows where it records nothing:
// `recording` is "finished-shown", "finished", "preview" or "unrecorded";
// anything else (a launch that records) has none.
EMSCRIPTEN_KEEPALIVE const char* compartica_course_note(const char* recording, int recordingLength,
                                                        const char* lang, int langLength) {
    const std::string kind = givenText(recording, recordingLength);
    const CourseRecording named = kind == "finished-shown" ? CourseRecording::finishedShown
                                  : kind == "finished"     ? CourseRecording::finished
                                  : kind == "preview"      ? CourseRecording::preview
                                  : kind == "unrecorded"   ? CourseRecording::unrecorded
                                                           : CourseRecording::recorded;
    return handOver(courseNote(Language::named(givenText(lang, langLength)), named));
}

EMSCRIPTEN_KEEPALIVE const char* compartica_start_failed(const char* lang, int langLength,
                                                         const char* reason, int reasonLength) {
    return handOver(startFailedMessage(Language::named(givenText(lang, langLength)),
                                       givenText(reason, reasonLength)));
}

} // extern "C"
