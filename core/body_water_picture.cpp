// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/body_water_picture.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The parts of the bar from its start, and what tells them apart: colours
// from Okabe and Ito's set for colour-vision deficiencies, and hatchings.
enum class Hatching { rising, upright, level, crossed };
struct BarPart {
    Compartment part;
    Rgb fill;
    Hatching hatching;
};
constexpr std::array<BarPart, 4> barParts = {{
    {Compartment::intracellular, {86, 180, 233}, Hatching::rising}, // sky blue
    {Compartment::interstitial, {0, 158, 115}, Hatching::upright},  // bluish green
    {Compartment::plasma, {240, 228, 66}, Hatching::level},         // yellow
    {Compartment::redcells, {213, 94, 0}, Hatching::crossed},       // vermillion
}};

// Lines of a rectangle's hatching, `gap` apart: "/" for rising, "\" as
// well for crossed.
void hatch(const PixelRect& r, Hatching hatching, int gap, std::vector<PictureLine>& lines) {
    const int w = r.width, h = r.height, x = r.left, y = r.top;
    const auto add = [&](int x1, int y1, int x2, int y2) {
        lines.push_back({x + x1, y + y1, x + x2, y + y2, true});
    };
    switch (hatching) {
    case Hatching::upright:
        for (int u = gap; u < w; u += gap)
            add(u, 0, u, h);
        return;
    case Hatching::level:
        for (int v = gap; v < h; v += gap)
            add(0, v, w, v);
        return;
    case Hatching::crossed:
        for (int k = gap - h; k < w; k += gap)
            add(std::max(k, 0), std::max(k, 0) - k, std::min(w, k + h), std::min(w, k + h) - k);
        [[fallthrough]];
    case Hatching::rising:
        for (int k = gap; k < w + h; k += gap)
            add(std::min(k, w), k - std::min(k, w), k - std::min(k, h), std::min(k, h));
        return;
    }
}

// Places the picture's pieces from the top down.
class Layout {
public:
    Layout(const BodyWater& water, const Language& language, const PictureMetrics& metrics,
           bool titled, int barLines)
        : water_(water), language_(language), m_(metrics), lh_(metrics.lineHeight),
          gap_(std::max(1, metrics.lineHeight / 3)), titled_(titled), barLines_(barLines) {
        picture_.lineHeight = lh_;
    }

    BodyWaterPicture draw() {
        const int swatch = lh_;
        int keyText = 0;
        for (const BarPart& part : barParts)
            keyText = std::max(keyText, m_.textWidth(label(part.part)));
        const bool beside = m_.width > widePicture * m_.height;
        const int keyWidth = swatch + gap_ + keyText;
        drawWidth_ = beside ? m_.width - keyWidth - 2 * lh_ : m_.width;
        if (titled_)
            y_ = text(0, y_, wrapped(bodyWaterTitle(language_), m_.width)) + gap_;
        drawBar(beside ? lh_ : barLines_ * lh_);
        spanBelow(Compartment::extracellular, at(Compartment::interstitial), end());
        spanBelow(Compartment::blood, at(Compartment::plasma), drawWidth_);
        const int keyBottom = beside ? drawKey(drawWidth_ + 2 * lh_, 0, keyText)
                                     : drawKey(0, y_ + gap_, m_.width - swatch - gap_);
        picture_.width = m_.width;
        picture_.height = std::max(keyBottom, y_);
        return picture_;
    }

private:
    std::string label(Compartment part) const { return compartmentLabel(language_, water_, part); }

    // Where the bar reaches at the start of a part, to scale: the bar and
    // the red cells beside it fill the drawing's width.
    int at(Compartment part) const {
        int before = 0, total = 0;
        bool reached = false;
        for (const BarPart& bar : barParts) {
            reached = reached || bar.part == part;
            before += reached ? 0 : water_.litresHundredths(bar.part);
            total += water_.litresHundredths(bar.part);
        }
        return total > 0 ? static_cast<int>(static_cast<long>(before) * drawWidth_ / total) : 0;
    }
    int end() const { return at(Compartment::redcells); } // of total body water

    // The next space at or after `from` where a line may break: not before
    // a unit, which stays with its number.
    static std::size_t breakAfter(const std::string& text, std::size_t from) {
        std::size_t space = text.find(' ', from);
        while (space != std::string::npos && space + 1 < text.size() &&
               (text[space + 1] == '%' ||
                (text[space + 1] == 'L' &&
                 (space + 2 == text.size() || text[space + 2] == ',' || text[space + 2] == ' '))))
            space = text.find(' ', space + 1);
        return space;
    }

    // The words of a text broken at spaces into lines no wider than `width`.
    std::vector<std::string> wrapped(const std::string& text, int width) const {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = breakAfter(text, start);
            std::string line = text.substr(start, end - start);
            while (end != std::string::npos) {
                const std::size_t next = breakAfter(text, end + 1);
                const std::string longer = text.substr(start, next - start);
                if (m_.textWidth(longer) > width)
                    break;
                line = longer;
                end = next;
            }
            lines.push_back(line);
            start = end == std::string::npos ? text.size() : end + 1;
        }
        return lines;
    }

    // Places lines of text at x, y; returns the y below them.
    int text(int x, int y, std::vector<std::string> lines) {
        int width = 0;
        for (const std::string& line : lines)
            width = std::max(width, m_.textWidth(line));
        const int height = static_cast<int>(lines.size()) * lh_;
        picture_.texts.push_back({{x, y, width, height}, std::move(lines)});
        return y + height;
    }

    void box(const PixelRect& rect, const BarPart& look) {
        picture_.boxes.push_back({rect, look.fill});
        hatch(rect, look.hatching, std::max(3, lh_ / 2), picture_.lines);
    }

    void ticks(int from, int to, int lineY, int tickY) {
        picture_.lines.push_back({from, lineY, from, tickY, false});
        picture_.lines.push_back({to, lineY, to, tickY, false});
    }
    void bracket(int from, int to, int lineY, int tickY) {
        picture_.lines.push_back({from, lineY, to, lineY, false});
        ticks(from, to, lineY, tickY);
    }

    // The bracket of total body water with its label in a gap of its line
    // where the label fits there, else on the lines above; then the bar.
    void drawBar(int thickness) {
        const std::string words = label(Compartment::totalbodywater);
        const int width = m_.textWidth(words);
        const int lineY = y_ + lh_ / 2;
        if (width + 2 * (gap_ + lh_) <= end()) {
            const int from = (end() - width) / 2;
            text(from, y_, {words});
            picture_.lines.push_back({0, lineY, from - gap_, lineY, false});
            picture_.lines.push_back({from + width + gap_, lineY, end(), lineY, false});
            ticks(0, end(), lineY, y_ + lh_);
        } else {
            y_ = text(0, y_, wrapped(words, drawWidth_));
            bracket(0, end(), y_ + lh_ / 2, y_ + lh_);
        }
        y_ += lh_;
        for (std::size_t n = 0; n < barParts.size(); ++n) {
            const int from = at(barParts[n].part);
            const int to = n + 1 < barParts.size() ? at(barParts[n + 1].part) : drawWidth_;
            box({from, y_, to - from, thickness}, barParts[n]);
        }
        y_ += thickness;
    }

    // A bracket under the bar from `from` to `to`, on a line of its own,
    // with its label before it where that fits on the line, else below it.
    void spanBelow(Compartment part, int from, int to) {
        bracket(from, to, y_ + lh_ / 2, y_);
        const std::string words = label(part);
        const int width = m_.textWidth(words);
        if (width + gap_ <= from) {
            text(from - gap_ - width, y_, {words});
            y_ += lh_;
            return;
        }
        y_ = text(0, y_ + lh_, wrapped(words, drawWidth_));
        PixelRect& placed = picture_.texts.back().rect;
        placed.left = std::max(0, std::min(from, drawWidth_ - placed.width));
    }

    // The key of the bar's parts at x, y: a swatch and a label a part, the
    // label no wider than `textWidth`; returns the y below it.
    int drawKey(int x, int y, int textWidth) {
        for (const BarPart& part : barParts) {
            box({x, y + lh_ / 8, lh_, lh_ * 3 / 4}, part);
            y = text(x + lh_ + gap_, y, wrapped(label(part.part), textWidth));
        }
        return y;
    }

    const BodyWater& water_;
    const Language& language_;
    const PictureMetrics& m_;
    const int lh_, gap_;
    const bool titled_;
    const int barLines_; // the bar's thickness in lines, where the key is below it
    int drawWidth_ = 0;
    int y_ = 0;
    BodyWaterPicture picture_;
};

} // namespace

BodyWaterPicture drawBodyWater(const BodyWater& water, const Language& language,
                               const PictureMetrics& metrics) {
    // In a room too short for all of it, without the title, then with a
    // thinner bar.
    BodyWaterPicture picture;
    for (const auto& [titled, barLines] :
         {std::pair{metrics.titled, 3}, std::pair{false, 3}, std::pair{false, 1}}) {
        picture = Layout(water, language, metrics, titled, barLines).draw();
        if (picture.height <= metrics.height)
            break;
    }
    return picture;
}
