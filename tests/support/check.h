// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small test harness for the toolkit-free core, so its tests build with
// any C++ compiler, the WebAssembly one included: CHECK_EQ records a failure
// with both values and goes on; main returns the number of failures.

#include <iostream>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace check {

inline int failures = 0;

template <typename T> std::string shown(const T& value) {
    std::ostringstream out;
    if constexpr (std::is_same_v<T, std::vector<std::string>>) {
        for (const std::string& line : value)
            out << "\n    |" << line << "|";
    } else {
        out << value;
    }
    return out.str();
}

template <typename A, typename B>
void equal(const A& actual, const B& expected, const char* what, const std::string& where) {
    if (actual == expected)
        return;
    ++failures;
    std::cout << "FAIL: " << where << ": " << what << "\n  actual:   " << shown(actual)
              << "\n  expected: " << shown(expected) << "\n";
}

} // namespace check

#define CHECK_EQ(actual, expected, where) check::equal((actual), (expected), #actual, (where))
