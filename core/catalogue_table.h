// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The catalogues of the build, written by make_catalogue.py from po/*.po:
// for each language its code and its translations, sorted by context and
// English text (byte by byte) for a binary search. English comes first,
// with none.
namespace catalogue_table {

struct Entry {
    const char* context;
    const char* id;
    const char* text;
};

struct Catalogue {
    const char* code;
    const Entry* entries;
    std::size_t count;
};

extern const Catalogue catalogues[];
extern const std::size_t catalogueCount;

} // namespace catalogue_table
