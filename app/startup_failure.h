// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"

#include <string>
#include <vector>

// What the program was asked to start on: the window-system platform
// (Qt's -platform option, else QT_QPA_PLATFORM; empty: Qt's own choice),
// where that choice came from, and the displays the environment names.
struct StartupSetting {
    std::string platform;
    std::string platformSource;
    std::string display;        // -display, else DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
};

// The one line that says why the window could not be shown, worked out
// from what the toolkit said while it tried (its messages, in order) and
// its fatal message: each platform that failed and why, in Qt's words where
// a plugin is missing, with what to do about it. Where the toolkit's
// messages name no known failure, its fatal message's first line. In
// `language`, but for what is Qt's own.
std::string startupFailure(const std::vector<std::string>& toolkitMessages,
                           const std::string& fatal, const StartupSetting& setting,
                           const Language& language = {});

// Where no font the window can draw its text with is installed.
std::string noFontMessage(const Language& language);
