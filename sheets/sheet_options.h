// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/set_choice.h"

#include <QString>
#include <QStringList>

#include <optional>

// What a teacher asked for on the command line: the set, and the files.
struct SheetOptions {
    SetChoice choice;
    bool seedGiven = false;
    QString output;
    QString key;
};

// The outcome of reading the command line: options to make a set, or text
// to print and the status to exit with (help, version, or an error).
struct ParsedOptions {
    std::optional<SheetOptions> options;
    QString message;
    int status = 0;
};

ParsedOptions parseSheetOptions(const QStringList& arguments);
