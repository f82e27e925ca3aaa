// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/set_choice.h"

#include "core/message.h"
#include "core/utf8.h"

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

bool isLetterOrDigit(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80;
}

// The characters an address holds unescaped in a user's name, a path or a
// query (RFC 3986's unreserved and sub-delimiters), but for the
// apostrophe: no quote of either kind.
bool isPlain(char c) {
    return isLetterOrDigit(c) ||
           std::string_view("-._~!$&()*+,;=").find(c) != std::string_view::npos;
}

bool isHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Plain characters, those in `more`, and "%XX" escapes.
bool isEscapedText(std::string_view text, std::string_view more) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 2 >= text.size() || !isHex(text[i + 1]) || !isHex(text[i + 2]))
                return false;
            i += 2;
        } else if (!isPlain(text[i]) && more.find(text[i]) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// A host's name (labels of letters, digits and hyphens between dots) or
// an IPv6 address in brackets, then an optional port.
bool isHostAndPort(std::string_view text) {
    std::size_t end = 0;
    if (text.starts_with('[')) {
        end = text.find(']');
        if (end == std::string_view::npos || end == 1 ||
            text.substr(1, end - 1).find_first_not_of("0123456789abcdefABCDEF:.") !=
                std::string_view::npos)
            return false;
        ++end;
    } else {
        end = std::min(text.find(':'), text.size());
        const std::string_view name = text.substr(0, end);
        if (name.empty() || name.front() == '.' || name.back() == '.' ||
            name.find("..") != std::string_view::npos ||
            !std::all_of(name.begin(), name.end(),
                         [](char c) { return isLetterOrDigit(c) || c == '-' || c == '.'; }))
            return false;
    }
    const std::string_view port = text.substr(end);
    return port.empty() ||
           (port.size() >= 2 && port.size() <= 6 && port.front() == ':' &&
            port.substr(1).find_first_not_of("0123456789") == std::string_view::npos);
}

bool isPageAddress(std::string_view text) {
    const std::size_t scheme = text.starts_with("https://")  ? 8
                               : text.starts_with("http://") ? 7
                                                             : 0;
    if (scheme == 0)
        return false;
    const std::size_t pathStart = std::min(text.find_first_of("/?", scheme), text.size());
    const std::string_view authority = text.substr(scheme, pathStart - scheme);
    const std::size_t at = authority.rfind('@');
    const std::string_view user = at == std::string_view::npos ? "" : authority.substr(0, at);
    const std::string_view host = authority.substr(at == std::string_view::npos ? 0 : at + 1);
    return isEscapedText(user, ":") && isHostAndPort(host) &&
           isEscapedText(text.substr(pathStart), ":@/?");
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
    // A whole number below 2^64, nothing else.
    const auto ref = parseCaseRef(std::string(withoutSpaces(text)));
    if (ref && ref->setOnly && ref->setSeed >= 1 && ref->setSeed <= largestSet)
        return {static_cast<int>(ref->setSeed), {}};
    return {std::nullopt,
            message(language, N_("the count '{count}' is not a whole number from 1 to {largest}"),
                    {{"count", escapedControls(text)}, {"largest", std::to_string(largestSet)}})};
}

Checked<CaseRef> checkSeed(const std::string& text, const Language& language) {
    if (const auto ref = parseCaseRef(std::string(withoutSpaces(text))))
        return {*ref, {}};
    const Message problem =
        // TRANSLATORS: "S-i" is how a sheet writes a case's seed; keep it as it is.
        N_("the seed '{seed}' is not a whole number (or S-i, i from 1 to {largest})");
    return {std::nullopt,
            message(language, problem,
                    {{"seed", escapedControls(text)}, {"largest", std::to_string(largestSet)}})};
}

Checked<Paper> checkPaper(const std::string& text, const Language& language) {
    const std::string name = lowered(std::string(withoutSpaces(text)));
    if (name == "a4")
        return {Paper::a4, {}};
    if (name == "letter")
        return {Paper::letter, {}};
    // TRANSLATORS: "a4" and "letter" are the names to type; keep them as they are.
    return {std::nullopt, message(language, N_("the paper '{paper}' is neither a4 nor letter"),
                                  {{"paper", escapedControls(text)}})};
}

std::string linkProblem(const std::string& text, const Language& language) {
    const std::string address(withoutSpaces(text));
    if (!isPageAddress(address))
        return message(language,
                       N_("the link '{link}' is not an http or https address without '#'"),
                       {{"link", escapedControls(text)}});
    if (printedCodeWidth(caseLink(address, longestCase).size()) == 0)
        return message(language,
                       N_("the link is {length} characters long, too long for a QR code that "
                          "scans from paper (at most {longest})"),
                       {{"length", std::to_string(address.size())},
                        {"longest", std::to_string(longestLink())}});
    return {};
}

std::string linkWarning(const std::string& text, const Language& language) {
    const std::string address(withoutSpaces(text));
    if (!isPageAddress(address) || !isThisComputer(hostOf(address)))
        return {};
    return language.text(N_("Students' phones cannot open this address, which leads to this "
                            "computer alone. Give the address where the exercise is published."));
}

std::string oneCaseProblem(const Language& language) {
    return language.text(N_("a seed S-i makes one case: set the count to 1"));
}

GivenChoices queryPairs(std::string_view query) {
    if (query.starts_with('?'))
        query.remove_prefix(1);
    const auto decoded = [](std::string_view text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '+') {
                out += ' ';
            } else if (text[i] == '%' && i + 2 < text.size() && isHex(text[i + 1]) &&
                       isHex(text[i + 2])) {
                out +=
                    static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
                i += 2;
            } else {
                out += text[i];
            }
        }
        return out;
    };
    GivenChoices pairs;
    while (!query.empty()) {
        const std::string_view pair = query.substr(0, query.find('&'));
        query.remove_prefix(std::min(pair.size() + 1, query.size()));
        if (pair.empty())
            continue;
        const std::size_t equals = std::min(pair.find('='), pair.size());
        pairs.emplace_back(decoded(pair.substr(0, equals)),
                           decoded(pair.substr(std::min(equals + 1, pair.size()))));
    }
    return pairs;
}

std::string givenTwiceProblem(const std::string& name, std::size_t times,
                              const Language& language) {
    // TRANSLATORS: {name} is the choice's name as it is typed (count, seed,
    // paper, link, output...); keep it as it is. {times} is 2 or more.
    return message(language, N_("{name} is given {times} times: give it once"),
                   {{"name", escapedControls(name)}, {"times", std::to_string(times)}});
}

std::string SetReading::problem() const {
    for (const std::string* reason : {&count, &seed, &paper, &link})
        if (!reason->empty())
            return *reason;
    return {};
}

SetReading readSetChoice(const GivenChoices& given, const Language& language) {
    const auto texts = [&given](const char* name) {
        std::vector<std::string> found;
        for (const auto& [key, value] : given)
            if (key == name)
                found.push_back(value);
        return found;
    };
    // The one text of a choice, or the line that refuses it given twice.
    const auto once = [&](const char* name, std::string& problem) -> std::optional<std::string> {
        const std::vector<std::string> found = texts(name);
        if (found.size() > 1)
            problem = givenTwiceProblem(name, found.size(), language);
        if (found.size() != 1)
            return std::nullopt;
        return found.front();
    };
    SetReading reading;
    SetChoice& choice = reading.choice;
    const auto take = [](auto checked, std::string& problem, auto& into) {
        if (checked.value)
            into = *checked.value;
        problem = checked.problem;
    };
    if (const auto seed = once("seed", reading.seed)) {
        reading.seedGiven = true;
        take(checkSeed(*seed, language), reading.seed, choice.first);
    }
    if (const auto count = once("count", reading.count)) {
        reading.countGiven = true;
        take(checkCount(*count, language), reading.count, choice.count);
    }
    const bool oneCase = reading.seed.empty() && reading.seedGiven && !choice.first.setOnly;
    if (oneCase && reading.count.empty() && choice.count != 1)
        reading.count = oneCaseProblem(language);
    if (const auto paper = once("paper", reading.paper))
        take(checkPaper(*paper, language), reading.paper, choice.paper);
    if (const auto link = once("link", reading.link); link && !withoutSpaces(*link).empty()) {
        reading.link = linkProblem(*link, language);
        reading.linkWarning = linkWarning(*link, language);
        if (reading.link.empty())
            choice.link = withoutSpaces(*link);
    }
    choice.language = language;
    return reading;
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
