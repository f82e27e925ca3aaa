// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/random_source.h"

#include "case/seeded_random_source.h"

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdlib>

void SystemRandomSource::reseed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    seed(engine_, static_cast<std::uint64_t>(ticks));
}

void SystemRandomSource::seed(std::mt19937& engine, std::uint64_t seed) {
    std::seed_seq words{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    engine.seed(words);
}

float SystemRandomSource::next() {
    return drawFrom(engine_);
}

float SystemRandomSource::drawFrom(std::mt19937& engine) {
    return drawAt(engine() >> (32 - gridBits));
}

float SystemRandomSource::drawAt(std::uint32_t k) {
    return static_cast<float>(k) / static_cast<float>(gridSize);
}

void SeededRandomSource::reseed() {
    SystemRandomSource::seed(engine_, seed_);
}

float SeededRandomSource::next() {
    return SystemRandomSource::drawFrom(engine_);
}

namespace {

// One draw: digits with at most one decimal point, read as the nearest
// float. strtof reads the decimal point of the locale in force (a program
// under Qt runs in the user's), so the point is handed to it as that one.
std::optional<float> parseDraw(std::string text) {
    const auto point = text.find('.');
    if (text.find_first_not_of("0123456789.") != std::string::npos || point != text.rfind('.'))
        return std::nullopt;
    if (point != std::string::npos)
        text.replace(point, 1, std::localeconv()->decimal_point);
    char* end = nullptr;
    const float draw = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(draw < 1.0f))
        return std::nullopt;
    return draw;
}

} // namespace

std::optional<std::vector<float>> parseDraws(const std::string& text) {
    std::vector<float> draws;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto draw = parseDraw(text.substr(start, comma - start));
        if (!draw)
            return std::nullopt;
        draws.push_back(*draw);
        start = comma + 1;
    }
    return draws;
}
