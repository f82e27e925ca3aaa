// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <string_view>

namespace {

// The options every Qt program takes (one dash or two), which Qt reads
// and removes itself: those that take the next argument as their value,
// the few it also takes as "-option=value", and those that stand alone.
// Each list is a name between two spaces.
constexpr std::string_view toolkitOptionsWithValue =
    " platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowtitle"
    " title qwindowicon icon session display name visual style stylesheet qmljsdebugger ";
constexpr std::string_view toolkitOptionsWithEquals = " style stylesheet qmljsdebugger ";
constexpr std::string_view toolkitFlags = " reverse widgetcount nograb dograb sync testability ";

bool among(std::string_view names, std::string_view name) {
    if (name.empty() || name.find(' ') != std::string_view::npos)
        return false;
    for (std::size_t at = names.find(name); at != std::string_view::npos;
         at = names.find(name, at + 1))
        if (names[at - 1] == ' ' && names[at + name.size()] == ' ')
            return true;
    return false;
}

CommandLine refused(std::string message) {
    CommandLine line;
    line.action = CommandLine::Action::refuse;
    line.message = std::move(message) + " (see compartica --help)";
    return line;
}

// --lang's code: English, with a warning, where there is no catalogue for it.
void chooseLanguage(CommandLine& line, std::string_view code) {
    line.language = Language::withCode(code);
    if (!line.language) {
        line.language = Language();
        line.message = "the language '" + std::string(code) + "' is not one of " + languageCodes() +
                       ": the window is in English";
    }
}

} // namespace

CommandLine readCommandLine(int argc, const char* const argv[]) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::help;
            return line;
        }
        if (argument == "--version") {
            line.action = CommandLine::Action::version;
            return line;
        }
        if (argument == "--practice") {
            line.practice = true;
        } else if (argument == "--lang" || argument.starts_with("--lang=")) {
            // The code is the next argument, or what follows "=".
            const std::string_view code = argument.size() > 6 ? argument.substr(7)
                                          : i + 1 < argc      ? argv[++i]
                                                              : "";
            if (code.empty() || code[0] == '-')
                return refused("--lang needs a language code: one of " + languageCodes());
            chooseLanguage(line, code);
        } else if (argument.size() > 1 && argument[0] == '-') {
            const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
            const std::size_t equals = name.find('=');
            const bool known =
                equals != std::string_view::npos
                    ? among(toolkitOptionsWithEquals, name.substr(0, equals))
                    : among(toolkitOptionsWithValue, name) || among(toolkitFlags, name);
            if (!known)
                return refused("unknown option '" + std::string(argument) + "'");
            i += among(toolkitOptionsWithValue, name) ? 1 : 0; // its value
        } else {
            return refused("unexpected argument '" + std::string(argument) + "'");
        }
    }
    return line;
}
