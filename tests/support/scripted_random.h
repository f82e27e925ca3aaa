// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/random_source.h"

#include <stdexcept>
#include <string>
#include <vector>

// Hands out the draws it was given, in order, and keeps a log of what was
// asked of it: "R" for a reseed, "D" for a draw ("RDDDDDD" for one case).
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

    void reseed() override { log += 'R'; }
    float next() override {
        if (next_ >= draws_.size())
            throw std::out_of_range("more draws taken than scripted");
        log += 'D';
        return draws_[next_++];
    }

    std::size_t taken() const { return next_; }
    std::string log;

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

// The draws of the worked example: a man of 75.3 kg, haematocrit 0.45,
// fractions 0.575, 0.56 and 0.065.
inline std::vector<float> workedExampleDraws() {
    return {0.25f, 0.4375f, 0.25f, 0.5f, 0.5f, 0.25f};
}
