// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's side of the exercise, compiled to WebAssembly: the core's
// Exercise over two panels that draw on the page's canvases. The page
// (page.js) calls the exported functions below; the panels call back into
// the page to measure and draw text.

#include "case/seeded_random_source.h"
#include "core/exercise.h"
#include "core/transcript_panel.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// clang-format off
EM_JS(int, page_text_width, (const char* text), {
    return Module.compartica.textWidth(UTF8ToString(text));
});
EM_JS(void, page_draw, (int panel, int x, int y, const char* text), {
    Module.compartica.draw(panel, x, y, UTF8ToString(text));
});
EM_JS(void, page_clear, (int panel), {
    Module.compartica.clear(panel);
});
// clang-format on

// A panel on the page: the print layout places the text in CSS pixels with
// the page's font metrics, the page draws it, and a transcript keeps the
// text for the page's live region.
class CanvasPanel final : public TextPanel {
public:
    CanvasPanel(int id, int columnWidth, int lineHeight)
        : id_(id), layout_({columnWidth, lineHeight, [](const std::string& text) {
                                return page_text_width(text.c_str());
                            }}) {}

    void Cls() override {
        layout_.home();
        transcript_.Cls();
        page_clear(id_);
    }
    void Print(const PrintItems& items, bool endOfLine) override {
        for (const TextRun& run : layout_.place(items, endOfLine))
            page_draw(id_, run.x, run.y, run.text.c_str());
        transcript_.Print(items, endOfLine);
    }
    std::string text() const { return transcript_.text(); }

private:
    int id_;
    PrintLayout layout_;
    TranscriptPanel transcript_;
};

// The one exercise of the page.
struct Page {
    std::unique_ptr<RandomSource> random;
    CanvasPanel questions;
    CanvasPanel answers;
    Exercise exercise;

    Page(std::unique_ptr<RandomSource> source, int columnWidth, int lineHeight)
        : random(std::move(source)), questions(0, columnWidth, lineHeight),
          answers(1, columnWidth, lineHeight), exercise(*random, questions, answers) {}
};

std::unique_ptr<Page> page;
std::string returned; // the text of the last string handed to the page

// "0.25,0.4375,..." as draws, each 0 <= r < 1; anything else is no list.
std::unique_ptr<RandomSource> listedDraws(const char* text) {
    std::vector<float> draws;
    while (*text) {
        char* end = nullptr;
        const float draw = std::strtof(text, &end);
        if (end == text || (*end != ',' && *end != '\0') || !(draw >= 0.0f && draw < 1.0f))
            return nullptr;
        draws.push_back(draw);
        text = *end ? end + 1 : end;
    }
    return draws.empty() ? nullptr : std::make_unique<ListedRandomSource>(draws);
}

const char* handOver(std::string text) {
    returned = std::move(text);
    return returned.c_str();
}

} // namespace

extern "C" {

// Makes the case and prints it. draws: empty for a clock-seeded case, or a
// comma-separated list of draws (the page's #draws=... for tests).
EMSCRIPTEN_KEEPALIVE void compartica_start(int columnWidth, int lineHeight, const char* draws) {
    std::unique_ptr<RandomSource> source = listedDraws(draws);
    if (!source)
        source = std::make_unique<SystemRandomSource>();
    page = std::make_unique<Page>(std::move(source), columnWidth, lineHeight);
    page->exercise.Form_Load();
}

EMSCRIPTEN_KEEPALIVE void compartica_click(int control) {
    page->exercise.click(static_cast<Control>(control));
}

// Which controls are shown: bit n for the control numbered n.
EMSCRIPTEN_KEEPALIVE int compartica_shown() {
    int shown = 0;
    for (std::size_t n = 0; n < controlCount; ++n)
        shown |= page->exercise.isVisible(static_cast<Control>(n)) ? 1 << n : 0;
    return shown;
}

EMSCRIPTEN_KEEPALIVE int compartica_focus() {
    return static_cast<int>(page->exercise.focus());
}

EMSCRIPTEN_KEEPALIVE int compartica_ended() {
    return page->exercise.ended();
}

EMSCRIPTEN_KEEPALIVE const char* compartica_fault() {
    return handOver(page->exercise.fault());
}

// The whole text of a panel (0: questions, 1: answer), lines joined by "\n".
EMSCRIPTEN_KEEPALIVE const char* compartica_text(int panel) {
    return handOver(panel == 0 ? page->questions.text() : page->answers.text());
}

// The layout table, one control a line: "index kind name left top width
// height caption", in CSS pixels at 15 twips a pixel.
EMSCRIPTEN_KEEPALIVE const char* compartica_layout() {
    const auto line = [](int index, int kind, const char* name, PixelRect r, const char* caption) {
        std::string text = std::to_string(index) + '\t' + std::to_string(kind) + '\t' + name;
        for (const int value : {r.left, r.top, r.width, r.height})
            text += '\t' + std::to_string(value);
        return text + '\t' + caption + '\n';
    };
    std::string table;
    for (const ControlLayout& row : formLayout)
        table += line(static_cast<int>(row.control), static_cast<int>(row.kind), row.name,
                      pixelsOf(row.control), row.caption);
    table += line(-1, -1, formCaption,
                  {0, 0, formWidth / twipsPerPixel, formHeight / twipsPerPixel}, "");
    return handOver(table);
}

} // extern "C"
