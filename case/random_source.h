// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// Where makecase takes its draws from: the desktop program and the page use
// SystemRandomSource, a new patient each run; the worksheets use
// SeededRandomSource, one patient for each seed; scripted cases (tests, the
// page's #draws=, the sheets' --draws) use ListedRandomSource
// (seeded_random_source.h).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts the draws of a new case: from the clock, the seed or the list,
    // as the source is made.
    virtual void reseed() = 0;
    // The next draw r, 0 <= r < 1.
    virtual float next() = 0;
};

// Uniform draws on the grid k / 2^24, a new sequence from the system clock
// at every reseed: every draw is an exact float, and the grid is small
// enough for tests to visit every draw a step can receive.
class SystemRandomSource final : public RandomSource {
public:
    static constexpr int gridBits = 24;
    static constexpr std::uint32_t gridSize = 1u << gridBits;

    void reseed() override;
    float next() override;

    // The draw that grid point k stands for (k < gridSize).
    static float drawAt(std::uint32_t k);
    // The next draw of an engine: its top 24 bits as a grid point.
    static float drawFrom(std::mt19937& engine);
    // Starts an engine's sequence from a 64-bit seed.
    static void seed(std::mt19937& engine, std::uint64_t seed);

private:
    std::mt19937 engine_;
};
