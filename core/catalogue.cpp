// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue.h"

#include "core/catalogue_table.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <tuple>

namespace {

using catalogue_table::catalogueCount;
using catalogue_table::catalogues;

// "de_DE.UTF-8", "de-AT" and "DE" all name "de".
std::string primaryCode(std::string_view code) {
    std::string primary(code.substr(0, code.find_first_of("_-.@")));
    std::transform(primary.begin(), primary.end(), primary.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return primary;
}

std::size_t catalogueOf(std::string_view code) {
    const std::string primary = primaryCode(code);
    for (std::size_t i = 0; i < catalogueCount; ++i)
        if (primary == catalogues[i].code)
            return i;
    return catalogueCount;
}

std::vector<std::string> split(std::string_view list, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(separator, start), list.size());
        if (end > start)
            parts.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

Language Language::named(std::string_view code) {
    return withCode(code).value_or(Language());
}

std::optional<Language> Language::withCode(std::string_view code) {
    const std::size_t index = catalogueOf(code);
    return index < catalogueCount ? std::optional(Language(index)) : std::nullopt;
}

Language Language::firstOf(const std::vector<std::string>& preferred) {
    for (const std::string& code : preferred)
        if (const std::size_t index = catalogueOf(code); index < catalogueCount)
            return Language(index);
    return Language();
}

Language Language::fromEnvironment() {
    return firstOf(environmentLanguages(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                        std::getenv("LC_MESSAGES"), std::getenv("LANG")));
}

std::vector<Language> Language::all() {
    std::vector<Language> languages;
    for (std::size_t i = 0; i < catalogueCount; ++i)
        languages.push_back(Language(i));
    return languages;
}

std::string languageCodes() {
    std::string codes;
    for (const Language& language : Language::all())
        codes += (codes.empty() ? "" : ", ") + std::string(language.code());
    return codes;
}

const char* Language::code() const {
    return catalogues[index_].code;
}

const char* Language::text(Message message) const {
    const catalogue_table::Catalogue& catalogue = catalogues[index_];
    const auto key = [](const auto& entry) {
        return std::tuple(std::string_view(entry.context), std::string_view(entry.id));
    };
    const auto* end = catalogue.entries + catalogue.count;
    const auto* found = std::lower_bound(catalogue.entries, end, key(message),
                                         [&](const catalogue_table::Entry& entry,
                                             const auto& wanted) { return key(entry) < wanted; });
    return found != end && key(*found) == key(message) ? found->text : message.id;
}

const char* Language::decimalMark() const {
    // TRANSLATORS: the decimal mark of numbers in this language, "." or ","
    // (0.45 or 0,45), as students read it in their textbooks.
    return text(NC_("decimal mark", "."));
}

// A locale of "C" or "POSIX" asks for the program's own texts; LANGUAGE
// lists languages in order of preference.
std::vector<std::string> environmentLanguages(const char* language, const char* all,
                                              const char* messages, const char* lang) {
    const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    const char* locale = set(all) ? all : set(messages) ? messages : lang;
    if (set(language))
        return split(language, ':');
    if (!set(locale) || std::string_view(locale) == "C" || std::string_view(locale) == "POSIX")
        return {"en"};
    return {locale};
}
