// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// What a teacher asked for on the command line.
struct SheetOptions {
    int count = 0;
    std::uint64_t seed = 0;
    bool seedGiven = false;
    int onlyCase = 0; // with a seed "S-i": case i of set S alone
    QString output;
    QString key;
    QPageSize::PageSizeId paper = QPageSize::A4;
    QString link;             // the page's address, to which each sheet links its case
    bool keyPerPage = false;  // the key one case a page, not packed
    std::vector<float> draws; // a scripted case, for tests
    Language language;        // of the sheets and the key
};

// The outcome of reading the command line: options to make a set, or text
// to print and the status to exit with (help, version, or an error).
struct ParsedOptions {
    std::optional<SheetOptions> options;
    QString message;
    int status = 0;
};

ParsedOptions parseSheetOptions(const QStringList& arguments);
