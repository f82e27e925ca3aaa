// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/random_source.h"
#include "core/body_water.h"
#include "core/catalogue.h"
#include "core/text_panel.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Empty lines left to write in after each question on the student's sheet.
inline constexpr int writingLines = 10;

// The largest set a teacher makes, and so the largest case index.
inline constexpr int largestSet = 500;

// The seed of case `index` (1, 2, ...) of the set made from `setSeed`: a
// teacher reprints one student's case from the two numbers.
std::uint64_t caseSeed(std::uint64_t setSeed, int index);

// A case as its worksheet names it: "S-i", case i of the set made from
// seed S. "S" alone names the whole set on paper, and its case 1 on screen.
struct CaseRef {
    std::uint64_t setSeed = 0;
    int index = 1;
    bool setOnly = false;

    std::uint64_t seed() const { return caseSeed(setSeed, index); }
    std::string text() const { return std::to_string(setSeed) + "-" + std::to_string(index); }
};

// "S" or "S-i" (S a whole number below 2^64, i from 1 to largestSet) as a
// case; nothing for any other text.
std::optional<CaseRef> parseCaseRef(const std::string& text);

// The address at which the page opens the case: `page` and "#case=S-i".
inline std::string caseLink(const std::string& page, const CaseRef& ref) {
    return page + "#case=" + ref.text();
}

// With a link, the lines at the top of a sheet beside which its QR code
// stands: the label, the name and date, an address of one line, and an
// empty line. A longer address is wrapped to the room beside the code.
inline constexpr int linkedHeaderLines = 7;

// An address broken into lines that each fit: a line ends after a '/',
// '?', '&' or '=' that falls in its second half, else where the room ends.
std::vector<std::string> addressLines(const std::string& address,
                                      const std::function<bool(const std::string&)>& fits);

// Empty lines the key leaves below a case's answers for the picture of its
// body water.
inline constexpr int keyPictureLines = 4;

// One case on paper, printed on below what the two panels already hold: on
// the student's sheet its label, a line for the name and date, the address
// of the case on the page where `link` gives its lines, the case and the four
// questions as the exercise window prints them, with room to write after
// each; in the key the same label, the four worked answers and room for the
// picture of the body water, which is returned to draw there (nothing after
// a fault stopped the answers). The case is
// made and worked by the exercise itself, step by step, in `language`.
std::optional<BodyWater> printCasePages(RandomSource& random, const std::string& label,
                                        const std::vector<std::string>& link, TextPanel& sheet,
                                        TextPanel& key, const Language& language = {});
