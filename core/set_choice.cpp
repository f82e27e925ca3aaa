// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/set_choice.h"

#include "core/message.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// The bytes a QR code of versions 1 to 10 holds in byte mode at error
// correction level M (ISO/IEC 18004, table 7).
constexpr std::array<std::size_t, 10> bytesAtLevelM = {14, 26, 42, 62, 84, 106, 122, 152, 180, 213};
static_assert(17 + 4 * bytesAtLevelM.size() == widestPrintedCode);

// The longest case name: the largest seed and the last case of a set.
const CaseRef longestCase{UINT64_MAX, largestSet};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isPageAddress(const std::string& text) {
    const std::size_t scheme = text.rfind("https://", 0) == 0  ? 8
                               : text.rfind("http://", 0) == 0 ? 7
                                                               : 0;
    return scheme > 0 && text.size() > scheme &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '!' && c <= '~'; }) &&
           text.find('#') == std::string::npos;
}

// The host of an http or https address, lower-case, without the user
// before it or the port after it ("[::1]" keeps its brackets).
std::string hostOf(const std::string& address) {
    const std::size_t start = address.find("://") + 3;
    std::string host = address.substr(start, address.find_first_of("/?", start) - start);
    host = host.substr(host.rfind('@') == std::string::npos ? 0 : host.rfind('@') + 1);
    const std::size_t port = host.find(':', host.starts_with('[') ? host.find(']') : 0);
    return lowered(host.substr(0, port));
}

// Loopback: the names that resolve to this computer, 127.0.0.0/8 written
// as numbers, IPv6's ::1, and the address of no host in particular.
bool isThisComputer(const std::string& host) {
    const bool numbers = host.find_first_not_of("0123456789.") == std::string::npos;
    return host == "localhost" || host.ends_with(".localhost") ||
           (numbers && host.starts_with("127.")) || host == "0.0.0.0" || host == "[::1]" ||
           host == "[::]";
}

} // namespace

Checked<int> checkCount(const std::string& text, const Language& language) {
    const auto ref = parseCaseRef(text); // a whole number below 2^64, nothing else
    if (ref && ref->setOnly && ref->setSeed >= 1 && ref->setSeed <= largestSet)
        return {static_cast<int>(ref->setSeed), {}};
    return {std::nullopt,
            message(language, N_("the count '{count}' is not a whole number from 1 to {largest}"),
                    {{"count", text}, {"largest", std::to_string(largestSet)}})};
}

Checked<CaseRef> checkSeed(const std::string& text, const Language& language) {
    if (const auto ref = parseCaseRef(text))
        return {*ref, {}};
    const Message problem =
        // TRANSLATORS: "S-i" is how a sheet writes a case's seed; keep it as it is.
        N_("the seed '{seed}' is not a whole number (or S-i, i from 1 to {largest})");
    return {std::nullopt,
            message(language, problem, {{"seed", text}, {"largest", std::to_string(largestSet)}})};
}

Checked<Paper> checkPaper(const std::string& text, const Language& language) {
    if (lowered(text) == "a4")
        return {Paper::a4, {}};
    if (lowered(text) == "letter")
        return {Paper::letter, {}};
    // TRANSLATORS: "a4" and "letter" are the names to type; keep them as they are.
    return {std::nullopt, message(language, N_("the paper '{paper}' is neither a4 nor letter"),
                                  {{"paper", text}})};
}

std::string linkProblem(const std::string& address, const Language& language) {
    if (!isPageAddress(address))
        return message(language,
                       N_("the link '{link}' is not an http or https address without '#'"),
                       {{"link", address}});
    if (printedCodeWidth(caseLink(address, longestCase).size()) == 0)
        return message(language,
                       N_("the link is {length} characters long, too long for a QR code that "
                          "scans from paper (at most {longest})"),
                       {{"length", std::to_string(address.size())},
                        {"longest", std::to_string(longestLink())}});
    return {};
}

std::string linkWarning(const std::string& address, const Language& language) {
    if (!isPageAddress(address) || !isThisComputer(hostOf(address)))
        return {};
    return language.text(N_("Students' phones cannot open this address, which leads to this "
                            "computer alone. Give the address where the exercise is published."));
}

std::string oneCaseProblem(const Language& language) {
    return language.text(N_("a seed S-i makes one case: set the count to 1"));
}

int printedCodeWidth(std::size_t bytes) {
    for (std::size_t version = 1; version <= bytesAtLevelM.size(); ++version)
        if (bytes <= bytesAtLevelM[version - 1])
            return static_cast<int>(17 + 4 * version);
    return 0;
}

int longestLink() {
    return static_cast<int>(bytesAtLevelM.back() - caseLink("", longestCase).size());
}
