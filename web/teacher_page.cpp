// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's page's side of the module (teacher.js calls the exported
// functions below): a class set's choices checked, and its sheets and key
// laid out by the core in the fonts the page measures, as JSON.

#include "core/class_set.h"
#include "web/json.h"
#include "web/picture_json.h"

#include <emscripten/emscripten.h>

namespace {

// clang-format off
// The width of `text` in one of a class set's fonts: 0 the sheets', 1 the
// key's, 2 the pictures' labels.
EM_JS(int, sheet_text_width, (int font, const char* text), {
    return Module.sheets.textWidth(font, UTF8ToString(text));
});
// clang-format on

// A class set's pages as JSON: a list of pages, each a list of blocks with
// their runs ([x, y, text]), a sheet's code and a key's picture.
std::string pagesJson(const std::vector<PaperPage>& pages) {
    std::vector<std::string> shown;
    for (const PaperPage& page : pages) {
        std::vector<std::string> blocks;
        for (const PaperBlock& block : page.blocks) {
            std::vector<std::string> runs;
            for (const TextRun& run : block.runs)
                runs.push_back('[' + std::to_string(run.x) + ',' + std::to_string(run.y) + ',' +
                               Json::quoted(run.text) + ']');
            Json json;
            json.raw("runs", listOf(runs));
            if (block.code)
                json.raw(
                    "code",
                    Json().box("box", block.code->square).text("link", block.code->link).object());
            if (block.picture)
                json.raw("picture", pictureParts(block.picture->picture)
                                        .number("top", block.picture->top)
                                        .object());
            blocks.push_back(json.object());
        }
        shown.push_back(listOf(blocks));
    }
    return listOf(shown);
}

} // namespace

extern "C" {

// A teacher's choices for a class set, as typed, checked: `query` holds
// them as an address's query ("count=30&seed=4242&paper=a4&link=..."),
// each as the teacher gave it. A JSON object of the one-line reason each
// of "count", "seed", "paper" and "link" is refused, in the language
// `lang`, or empty where it is taken, and "linkWarning", why a link that
// is taken leads no student anywhere (or empty). An empty link is no link.
EMSCRIPTEN_KEEPALIVE const char* compartica_set_problems(const char* query, int queryLength,
                                                         const char* lang, int langLength) {
    const SetReading reading = readSetChoice(queryPairs(givenText(query, queryLength)),
                                             Language::named(givenText(lang, langLength)));
    return handOver(Json()
                        .text("count", reading.count)
                        .text("seed", reading.seed)
                        .text("paper", reading.paper)
                        .text("link", reading.link)
                        .text("linkWarning", reading.linkWarning)
                        .object());
}

// The sheets and the key of a class set whose choices (as for
// compartica_set_problems) were checked, laid out in the fonts the page
// measures (columns and lines of the sheets' and the key's, the labels'
// lines), as JSON: the titles, the paper ("a4" or "letter"), the printable
// area and the pages (see pagesJson).
EMSCRIPTEN_KEEPALIVE const char* compartica_class_set(const char* query, int queryLength,
                                                      int keyPerPage, const char* lang,
                                                      int langLength, int sheetColumn,
                                                      int sheetLine, int keyColumn, int keyLine,
                                                      int labelLine) {
    SetChoice choice = readSetChoice(queryPairs(givenText(query, queryLength)),
                                     Language::named(givenText(lang, langLength)))
                           .choice;
    choice.keyPerPage = keyPerPage != 0;
    const auto measured = [](int font) {
        return [font](const std::string& text) { return sheet_text_width(font, text.c_str()); };
    };
    const ClassSet set = layOutClassSet(choice, {{sheetColumn, sheetLine, measured(0)},
                                                 {keyColumn, keyLine, measured(1)},
                                                 {0, labelLine, measured(2)}});
    const PageArea area = printableArea(choice.paper);
    return handOver(Json()
                        .text("sheetsTitle", set.sheetsTitle)
                        .text("keyTitle", set.keyTitle)
                        .text("paper", choice.paper == Paper::letter ? "letter" : "a4")
                        .number("width", area.width)
                        .number("height", area.height)
                        .raw("sheets", pagesJson(set.sheets))
                        .raw("key", pagesJson(set.key))
                        .object());
}

} // extern "C"
