// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/random_source.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Draws on the same 24-bit grid as SystemRandomSource, but every reseed
// starts the sequence of one fixed seed: the same seed, the same patient.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed) : seed_(seed) {}

    void reseed() override;
    float next() override;

private:
    std::uint64_t seed_;
    std::mt19937 engine_;
};

// Hands out a given list of draws in order, from its start again at every
// reseed: the same list, the same patient. Past its end it draws 0.
class ListedRandomSource final : public RandomSource {
public:
    explicit ListedRandomSource(std::vector<float> draws) : draws_(std::move(draws)) {}

    void reseed() override {
        next_ = 0;
        ++reseeds_;
    }
    float next() override { return next_ < draws_.size() ? draws_[next_++] : (++next_, 0.0f); }

    // The draws handed out since the last reseed, and how many reseeds.
    std::size_t taken() const { return next_; }
    int reseeds() const { return reseeds_; }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
    int reseeds_ = 0;
};

// "0.25,0.4375,..." as a list of draws, each 0 <= r < 1, read the same in
// every locale; nothing for any other text.
std::optional<std::vector<float>> parseDraws(const std::string& text);
