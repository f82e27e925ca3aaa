// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The long floating-point sweep: makecase and all four answers over many
// reproducible cases, faults trapped, every value range-checked.
// Usage: sweep_bench [CASES]   (default 200 million: 1.2 billion draws)

#include "support/case_sweep.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const std::uint64_t cases = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200'000'000ull;
    const auto start = std::chrono::steady_clock::now();
    CaseSweep sweep(1);
    const std::string fault = sweep.run(cases);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%llu cases, %llu draws, %.1f s: %s\n", static_cast<unsigned long long>(cases),
                static_cast<unsigned long long>(sweep.draws), took.count(),
                fault.empty() ? "every value in range, no floating-point fault" : fault.c_str());
    return fault.empty() ? 0 : 1;
}
