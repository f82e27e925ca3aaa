// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/random_source.h"

#include "case/seeded_random_source.h"

#include <chrono>
#include <locale>
#include <sstream>

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

std::optional<std::vector<float>> parseDraws(const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::vector<float> draws;
    for (char separator = ','; separator == ','; separator = static_cast<char>(in.get())) {
        float draw = 0;
        if (!(in >> draw) || !(draw >= 0.0f && draw < 1.0f))
            return std::nullopt;
        draws.push_back(draw);
    }
    if (!in.eof())
        return std::nullopt;
    return draws;
}
