// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The printed texts are UTF-8 ("µg /mL"); columns count characters, not
// bytes, so text is handled as code points where it is placed by column.
std::u32string fromUtf8(const std::string& text);
std::string toUtf8(const std::u32string& text);
