// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"
#include "core/worksheet.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class Paper { a4, letter };

// What a teacher chose for a class set: how many cases from which one, on
// which paper, linked to which page, and the key packed or a case a page.
struct SetChoice {
    int count = 1;
    CaseRef first{0, 1, true}; // the set's seed and the first case's index
    Paper paper = Paper::a4;
    std::string link; // the page each sheet links its case on; none if empty
    bool keyPerPage = false;
    Language language;
    std::vector<float> draws; // a scripted case, for tests
};

// A teacher's text read as a choice, or the one line that says why not.
template <typename T> struct Checked {
    std::optional<T> value;
    std::string problem;
};

// Each choice below is read from its text without the spaces around it; a
// control character anywhere (a NUL, a newline) makes it refused, and the
// refusal shows it escaped, so that its line stays one line.

// A whole number of cases from 1 to largestSet.
Checked<int> checkCount(const std::string& text, const Language& language = {});
// "S" for a whole set, or "S-i" for case i of set S alone.
Checked<CaseRef> checkSeed(const std::string& text, const Language& language = {});
// "a4" or "letter", in any case.
Checked<Paper> checkPaper(const std::string& text, const Language& language = {});
// An http or https address with a host (a name, or an IPv6 address in
// brackets), an optional port, and a path and query of the characters an
// address may hold unescaped, without quotes, angle brackets, spaces and
// without a fragment of its own (the link adds "#case=S-i"); short enough
// that the link of every case makes a code that scans from a sheet. Empty
// where it is all that.
std::string linkProblem(const std::string& address, const Language& language = {});

// Where a link's host is this computer alone (localhost, 127.x.x.x, [::1],
// 0.0.0.0), as when the site is served for a try-out: the line that says
// no student's phone opens it. Empty for any other address. Such a link is
// taken; only its sheets' addresses and codes lead nowhere else.
std::string linkWarning(const std::string& address, const Language& language = {});

// A seed "S-i" makes case i alone: any other count is refused.
std::string oneCaseProblem(const Language& language = {});

// The texts a teacher gave for a set, each under the name of its choice
// ("count", "seed", "paper", "link"), in the order given: a command line's
// options, or the parameters of the teacher's page's address. Other names
// are passed over.
using GivenChoices = std::vector<std::pair<std::string, std::string>>;

// The parameters of an address's query ("count=5&seed=42", with or without
// its "?"), decoded as a browser decodes them: "+" a space, "%XX" a byte,
// a malformed escape as it stands.
GivenChoices queryPairs(std::string_view query);

// A set's choices read from what a teacher gave: every front end reads
// them here, so the same texts are taken or refused alike everywhere. A
// choice given more than once is refused (which was meant?); one not given
// keeps its default. A seed "S-i" makes one case, so a count other than 1
// beside it is refused.
struct SetReading {
    SetChoice choice;
    bool countGiven = false;
    bool seedGiven = false;
    // The one-line reason each choice is refused; empty where it is taken.
    std::string count, seed, paper, link;
    // Why a link that is taken leads no student anywhere, or empty.
    std::string linkWarning;

    // The first reason, in the order count, seed, paper, link; empty
    // where every choice is taken.
    std::string problem() const;
};
SetReading readSetChoice(const GivenChoices& given, const Language& language = {});

// The line for a choice or an option given `times` times.
std::string givenTwiceProblem(const std::string& name, std::size_t times,
                              const Language& language = {});

// The widest code a sheet prints: version 10, 57 modules a side, each
// about 0.4 mm in the room a sheet gives its code. A phone reads modules
// that size from paper, and a 150 dpi scan decodes; wider codes get finer
// than a cheap printer or camera resolves.
inline constexpr int widestPrintedCode = 57;

// The modules a side of the smallest QR code at error correction level M
// that holds `bytes` bytes in byte mode, up to the widest a sheet prints;
// 0 for more bytes than that holds.
int printedCodeWidth(std::size_t bytes);

// The length of the longest address whose links all scan from paper.
int longestLink();
