// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A text as the source writes it, in English: marked with N_ (or NC_ with
// the context that tells apart two uses of one English text, such as the
// wording for a man and for a woman) so that xgettext finds it for the
// catalogues' template.
struct Message {
    const char* context;
    const char* id;
};
constexpr Message N_(const char* id) {
    return {"", id};
}
constexpr Message NC_(const char* context, const char* id) {
    return {context, id};
}

// One of the languages the build has a catalogue for (po/*.po, compiled in
// by make_catalogue.py); English, the source's own, is always there.
class Language {
public:
    Language() = default; // English

    // The language of a code such as "de", "de_DE.UTF-8" or "es-419":
    // English, or nothing, where there is no catalogue for it.
    static Language named(std::string_view code);
    static std::optional<Language> withCode(std::string_view code);
    // The first of `preferred` there is a catalogue for; else English.
    static Language firstOf(const std::vector<std::string>& preferred);
    // From the environment, as gettext reads it: LANGUAGE (a list separated
    // by ':'), else LC_ALL, else LC_MESSAGES, else LANG; "C" and "POSIX"
    // are English.
    static Language fromEnvironment();
    // Every language of the build, English first.
    static std::vector<Language> all();

    // "en", "es", "de": as HTML's lang attribute and --lang take it.
    const char* code() const;
    // The text in this language, or the English one where the catalogue
    // lacks it.
    const char* text(Message message) const;
    // How this language writes the decimal point of a number: "." or ",".
    const char* decimalMark() const;

private:
    explicit Language(std::size_t index) : index_(index) {}
    std::size_t index_ = 0;
};

// The codes of every language of the build, as a list to read: "en, de, es".
std::string languageCodes();

// The language preferences in the environment, in gettext's order (see
// Language::fromEnvironment), each as a code: the values of LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, any of them null where it is not set.
std::vector<std::string> environmentLanguages(const char* language, const char* all,
                                              const char* messages, const char* lang);
