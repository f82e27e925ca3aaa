#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmarks, on request (not part of the tests): start-up time and peak
# memory against a minimal Qt program under Xvfb, and the CPU time of one
# See/Hide step. Usage: scripts/bench.sh [RUNS]   (default 10 each)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${BUILD_PACKAGES[@]}" xvfb x11-xkb-utils xkb-data x11-utils openbox python3-xlib
build_tree release -DBUILD_TESTING=OFF
cmake --build build/release --target minimal_qt step_bench
echo "== one See/Hide step"
QT_QPA_PLATFORM=offscreen build/release/bench/step_bench
echo "== start-up to the first frame with text, and peak memory"
source tests/e2e/xsession.sh
start_x
/usr/bin/python3 bench/startup_bench.py build/release/app/compartica \
    build/release/bench/minimal_qt "${1:-10}"
