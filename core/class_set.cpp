// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/class_set.h"

#include "case/seeded_random_source.h"
#include "core/exercise_texts.h"
#include "core/printed_panel.h"

#include <memory>

namespace {

// The pages of one document, filled with blocks of printed lines (a case on
// a student's sheet, its answers in the key), each placed whole.
class PagePacker {
public:
    PagePacker(int height, int lineHeight) : height_(height), lineHeight_(lineHeight) {}

    // Places a block's runs on a page of its own, or, where `packed`, below
    // the last block after two empty lines if it fits there whole. Returns
    // the block's top on its page.
    int place(const PrintedPanel& block, bool packed) {
        const int blockHeight = static_cast<int>(block.lines().size()) * lineHeight_;
        const int below = bottom_ + 2 * lineHeight_;
        int top = 0;
        if (packed && !pages_.empty() && below + blockHeight <= height_)
            top = below;
        else
            pages_.emplace_back();
        PaperBlock& placed = pages_.back().blocks.emplace_back();
        for (const PrintedRun& run : block.runs())
            placed.runs.push_back({run.x, top + run.y, run.text});
        bottom_ = top + blockHeight;
        return top;
    }
    PaperBlock& last() { return pages_.back().blocks.back(); }
    std::vector<PaperPage> pages() && { return std::move(pages_); }

private:
    int height_, lineHeight_;
    int bottom_ = 0;
    std::vector<PaperPage> pages_;
};

// The QR code of a sheet's link, at the right beside its header, from the
// block's top down: the page's margins and half a line below it leave its
// quiet zone. The link is printed in lines that end half a line short of it.
int codeSide(const PrintLayout::Metrics& font) {
    return linkedHeaderLines * font.lineHeight - font.lineHeight / 2;
}

std::vector<std::string> linkLines(const std::string& link, const PrintLayout::Metrics& font,
                                   int pageWidth) {
    const int room = pageWidth - codeSide(font) - font.lineHeight / 2;
    return addressLines(link,
                        [&](const std::string& line) { return font.textWidth(line) <= room; });
}

// A case's body water in the key lines left for it at the foot of its
// block, whose lines start at `top`.
PaperPicture pictureOf(const BodyWater& water, const PrintedPanel& block, int top,
                       const SetChoice& choice, const PaperFonts& fonts, int pageWidth) {
    const BodyWaterPicture picture =
        drawBodyWater(water, choice.language,
                      {pageWidth, keyPictureLines * fonts.key.lineHeight, fonts.picture.lineHeight,
                       fonts.picture.textWidth});
    const int bottom = top + static_cast<int>(block.lines().size()) * fonts.key.lineHeight;
    return {bottom - picture.height, picture};
}

std::unique_ptr<RandomSource> caseSource(const SetChoice& choice, const CaseRef& ref) {
    if (!choice.draws.empty())
        return std::make_unique<ListedRandomSource>(choice.draws);
    return std::make_unique<SeededRandomSource>(ref.seed());
}

} // namespace

PageArea printableArea(Paper paper) {
    return paper == Paper::letter ? PageArea{8766, 11766} : PageArea{8483, 12599};
}

ClassSet layOutClassSet(const SetChoice& choice, const PaperFonts& fonts) {
    const PageArea area = printableArea(choice.paper);
    const std::uint64_t seed = choice.first.setSeed;
    PagePacker sheets(area.height, fonts.sheet.lineHeight), key(area.height, fonts.key.lineHeight);
    for (int index = choice.first.index; index < choice.first.index + choice.count; ++index) {
        const CaseRef ref{seed, index};
        const std::string link = choice.link.empty() ? std::string() : caseLink(choice.link, ref);
        PrintedPanel casePage(fonts.sheet), caseKey(fonts.key);
        // Scripted draws make a case that no seed brings back.
        const std::string label = choice.draws.empty() ? caseLabel(choice.language, seed, index)
                                                       : caseNumberLabel(choice.language, index);
        const std::optional<BodyWater> water = printCasePages(
            *caseSource(choice, ref), label,
            link.empty() ? std::vector<std::string>() : linkLines(link, fonts.sheet, area.width),
            casePage, caseKey, choice.language);
        const int top = sheets.place(casePage, false);
        if (!link.empty()) {
            const int side = codeSide(fonts.sheet);
            sheets.last().code = PaperCode{{area.width - side, top, side, side}, link};
        }
        const int keyTop = key.place(caseKey, !choice.keyPerPage);
        if (water)
            key.last().picture = pictureOf(*water, caseKey, keyTop, choice, fonts, area.width);
    }
    return {std::move(sheets).pages(), std::move(key).pages(), sheetsTitle(choice.language, seed),
            keyTitle(choice.language, seed)};
}
