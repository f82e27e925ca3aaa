// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message.h"

#include "core/number_form.h"

#include <string_view>
#include <utility>

namespace {

std::string filledIn(const Language& language, const Placeholder& placeholder) {
    if (const float* number = std::get_if<float>(&placeholder.value))
        return numberForm(*number, language.decimalMark());
    return std::get<std::string>(placeholder.value);
}

// A placeholder the message names but no value fills stays as it is
// written, where a reader sees it; the build's check of the catalogues
// keeps translations to the placeholders of the English text.
const Placeholder* valueOf(std::string_view name, Placeholders values) {
    for (const Placeholder& value : values)
        if (name == value.name)
            return &value;
    return nullptr;
}

} // namespace

PrintItems statement(const Language& language, Message message, Placeholders values) {
    const std::string_view text = language.text(message);
    PrintItems items;
    std::string literal;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t open = text.find('{', at);
        const std::size_t close = text.find('}', open);
        const Placeholder* value = close == std::string_view::npos
                                       ? nullptr
                                       : valueOf(text.substr(open + 1, close - open - 1), values);
        if (!value) {
            const std::size_t end = open == std::string_view::npos ? text.size() : open + 1;
            literal += text.substr(at, end - at);
            at = end;
            continue;
        }
        literal += text.substr(at, open - at);
        if (!literal.empty())
            items.emplace_back(std::exchange(literal, {}));
        items.emplace_back(filledIn(language, *value));
        at = close + 1;
    }
    if (!literal.empty())
        items.emplace_back(std::move(literal));
    return items;
}

std::string message(const Language& language, Message message, Placeholders values) {
    std::string text;
    for (const PrintItem& item : statement(language, message, values))
        text += std::get<std::string>(item);
    return text;
}
