// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"

#include <optional>
#include <string>

// What the command line asks of the program, read before the toolkit
// starts, so that a mistyped option is told even where there is no
// display: our own options, with Qt's (-platform, -style, ...) left to Qt.
struct CommandLine {
    enum class Action { run, help, version, refuse };
    Action action = Action::run;
    std::optional<Language> language; // --lang CODE, where CODE names one there is
    bool practice = false;
    // One line without the program's name: why the command line is
    // refused, or a warning to show before running (a language there is
    // no catalogue for).
    std::string message;
};

// Reads the arguments in turn: the first that is answered (--help,
// --version) or refused (an unknown option or argument, --lang without a
// code) decides.
CommandLine readCommandLine(int argc, const char* const argv[]);
