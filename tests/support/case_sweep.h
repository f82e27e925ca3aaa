// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/answers.h"
#include "case/make_case.h"
#include "support/trapped_faults.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

// Makes many cases from reproducible draws on the 24-bit grid (with the
// edge draws 0, 0.5 and the two largest mixed in) and works all four
// answers for each, with overflow, division by zero and invalid operations
// trapped. Every value is checked against the ranges the exercise promises.
class CaseSweep final : public RandomSource {
public:
    explicit CaseSweep(std::uint32_t seed) : engine_(seed) {}

    void reseed() override {}
    float next() override {
        ++draws;
        const std::uint32_t bits = engine_();
        switch (bits & 31u) { // one draw in eight is an edge draw
        case 0:
            return 0.0f;
        case 1:
            return 0.5f;
        case 2:
            return 1.0f - 0x1p-24f;
        case 3:
            return 1.0f - 0x1p-23f;
        default:
            return SystemRandomSource::drawAt(bits >> 8);
        }
    }

    // Runs `cases` cases; returns the first fault found, or "" if none.
    std::string run(std::uint64_t cases) {
        const TrappedFaults traps;
        std::string fault;
        for (std::uint64_t i = 0; i < cases && fault.empty(); ++i)
            fault = oneCase();
        return fault;
    }

    std::uint64_t draws = 0;

private:
    static bool within(float value, float low, float high) {
        return std::isfinite(value) && value >= low && value <= high;
    }

    static std::string outside(const char* name, float value) {
        return std::string(name) + " = " + std::to_string(value) + " is out of range";
    }

    std::string oneCase() {
        CaseState s;
        makecase(s, *this);
        const struct {
            const char* name;
            float value, low, high;
        } drawn[] = {
            {"sexdraw", s.sexdraw, 0.0f, 1.9999999f},
            {"weight", s.weight, 60.0f, 94.9f},
            {"haematocrit", s.haematocrit, 0.40f, 0.59f},
            {"totalbodywater", s.totalbodywater, 30.0f, 61.6f},
            {"extracellularfluid", s.extracellularfluid, 14.4f, 39.4f},
            {"plasmavolume", s.plasmavolume, 1.8f, 4.9f},
            {"antipyrineconc", s.antipyrineconc, 0.81f, 1.66f},
            {"thiosulphateconc", s.thiosulphateconc, 1.26f, 3.47f},
            {"evansblueconc", s.evansblueconc, 10.2f, 27.77f},
        };
        for (const auto& field : drawn)
            if (!within(field.value, field.low, field.high))
                return outside(field.name, field.value);

        // The worked answers come from the truncated concentrations, so they
        // run a little above the drawn volumes; they stay positive and finite.
        const float tbwpercent = answer1(s).tbwpercent;
        const Answer2 a2 = answer2(s);
        const float plasmapercent = answer3(s).plasmapercent;
        const Answer4 a4 = answer4(s);
        const struct {
            const char* name;
            float value, low, high;
        } worked[] = {
            {"worked totalbodywater", s.totalbodywater, 30.0f, 62.0f},
            {"tbwpercent", tbwpercent, 45.0f, 70.0f},
            {"ecfanswer", a2.ecfanswer, 14.4f, 40.0f},
            {"ecfpercent", a2.ecfpercent, 40.0f, 70.0f},
            {"worked plasmavolume", s.plasmavolume, 1.8f, 5.0f},
            {"plasmapercent", plasmapercent, 5.0f, 9.0f},
            {"oneminushaematocrit", a4.oneminushaematocrit, 0.41f, 0.6f},
            {"bloodvolume", a4.bloodvolume, 2.99f, 12.5f},
        };
        for (const auto& field : worked)
            if (!within(field.value, field.low, field.high))
                return outside(field.name, field.value);
        return {};
    }

    std::mt19937 engine_;
};
