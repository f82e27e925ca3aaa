// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/random_source.h"

#include <chrono>

void SystemRandomSource::reseed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(seed);
}

float SystemRandomSource::next() {
    return drawAt(engine_() >> (32 - gridBits));
}

float SystemRandomSource::drawAt(std::uint32_t k) {
    return static_cast<float>(k) / static_cast<float>(gridSize);
}
