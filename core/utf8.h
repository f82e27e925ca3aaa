// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The printed texts are UTF-8 ("µg /mL"); columns count characters, not
// bytes, so text is handled as code points where it is placed by column.
std::u32string fromUtf8(const std::string& text);
std::string toUtf8(const std::u32string& text);

// The text with each control character written as an escape ("\n", "\t",
// "\x00", "\u009b" for C1's), so that a value echoed in a message stays
// on its one line and sends a terminal nothing it would act on.
std::string escapedControls(const std::string& text);

// The text without the spaces around it. Only spaces: a tab or a newline
// is nothing a person types around a value, and is left for the reader to
// refuse.
std::string_view withoutSpaces(std::string_view text);
