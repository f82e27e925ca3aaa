// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"
#include "core/text_panel.h"

#include <initializer_list>
#include <string>
#include <variant>

// A value for a named placeholder of a message, "{weight}": a number,
// written in the number form with the language's decimal mark (a space on
// either side), or text as it stands.
struct Placeholder {
    const char* name;
    std::variant<float, std::string> value;
};
using Placeholders = std::initializer_list<Placeholder>;

// A message in `language` with its placeholders filled in, as print items:
// the text between placeholders and each number are items of their own, so
// a panel places each number as a run of its own.
PrintItems statement(const Language& language, Message message, Placeholders values = {});
// The same as one text.
std::string message(const Language& language, Message message, Placeholders values = {});
