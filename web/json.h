// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the module hands its pages: JSON built a key at a time, and the
// text of the last string handed over, which stays valid until the next.

#include "core/form_layout.h"

#include <algorithm>
#include <string>
#include <vector>

class Json {
public:
    Json& text(const char* key, const std::string& value) {
        name(key);
        json_ += quoted(value);
        return *this;
    }
    static std::string controlEscape(char c) {
        const char* hex = "0123456789abcdef";
        return std::string("\\u00") + hex[(c >> 4) & 0xF] + hex[c & 0xF];
    }
    static std::string quoted(const std::string& value) {
        std::string json = "\"";
        for (const char c : value) {
            if (c == '"' || c == '\\')
                json += '\\';
            if (static_cast<unsigned char>(c) < 0x20)
                json += controlEscape(c); // a typed text's NUL too, kept as typed
            else
                json += c;
        }
        return json + '"';
    }
    Json& number(const char* key, int value) {
        name(key);
        json_ += std::to_string(value);
        return *this;
    }
    Json& flag(const char* key, bool value) {
        name(key);
        json_ += value ? "true" : "false";
        return *this;
    }
    Json& box(const char* key, const PixelRect& r) {
        name(key);
        json_ += '[' + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' +
                 std::to_string(r.width) + ',' + std::to_string(r.height) + ']';
        return *this;
    }
    Json& raw(const char* key, const std::string& json) {
        name(key);
        json_ += json;
        return *this;
    }
    std::string object() const { return '{' + json_ + '}'; }

private:
    void name(const char* key) {
        if (!json_.empty())
            json_ += ',';
        json_ += '"';
        json_ += key;
        json_ += "\":";
    }
    std::string json_;
};

inline std::string listOf(const std::vector<std::string>& objects) {
    std::string list = "[";
    for (const std::string& object : objects)
        list += (list.size() > 1 ? "," : "") + object;
    return list + ']';
}

// Texts as a JSON list of strings.
template <typename Texts> std::string strings(const Texts& texts) {
    std::vector<std::string> quoted;
    for (const std::string& text : texts)
        quoted.push_back(Json::quoted(text));
    return listOf(quoted);
}

// A text the page gave, whole: its UTF-8 bytes and their length (the page's
// Module.callWhole passes every text so), NULs and all, for the core to
// read or refuse; a C string would end at its first NUL.
inline std::string givenText(const char* bytes, int length) {
    return std::string(bytes, static_cast<std::size_t>(std::max(length, 0)));
}

// A text for the page: it stays until the next is handed over.
inline const char* handOver(std::string text) {
    static std::string returned;
    returned = std::move(text);
    return returned.c_str();
}
