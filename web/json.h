// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the module hands its pages: JSON built a key at a time, and the
// text of the last string handed over, which stays valid until the next.

#include "core/form_layout.h"

#include <string>
#include <vector>

class Json {
public:
    Json& text(const char* key, const std::string& value) {
        name(key);
        json_ += quoted(value);
        return *this;
    }
    static std::string quoted(const std::string& value) {
        std::string json = "\"";
        for (const char c : value) {
            if (c == '"' || c == '\\')
                json += '\\';
            if (static_cast<unsigned char>(c) < 0x20)
                json += ' ';
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

inline const char* handOver(std::string text) {
    static std::string returned;
    returned = std::move(text);
    return returned.c_str();
}
