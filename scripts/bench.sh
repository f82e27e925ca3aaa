#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmarks, on request (not part of the tests): start-up time and peak
# memory against a minimal Qt program under Xvfb, and the CPU time of one
# See/Hide step; the web edition's first-visit bytes, load times on
# emulated slow networks and without, and click times in headless Chromium;
# and a class set of 500 worksheets with their key.
# Usage: scripts/bench.sh [RUNS]   (default 10 each)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${BUILD_PACKAGES[@]}" "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" \
    xvfb x11-xkb-utils xkb-data x11-utils openbox python3-xlib time $(npm_package)
build_tree release -DBUILD_TESTING=OFF
quietly cmake --build build/release --target minimal_qt step_bench
runs=${1:-10}

phase "One See/Hide step in the window"
QT_QPA_PLATFORM=offscreen build/release/bench/step_bench

phase "Web edition: first visit, navigation to the case text (Slow 3G, Fast 3G, unthrottled), one click"
build_web
install_npm_packages tests/web
node bench/web_bench.mjs build/web/site "$runs"

phase "500 worksheets and their key"
work=$(mktemp -d)
/usr/bin/time -f "%e s, peak resident memory %M KiB" build/release/sheets/compartica-sheets \
    --count 500 --seed 1 --output "$work/sheets.pdf" --key "$work/key.pdf"
ls -l "$work"/*.pdf | awk '{ print $9 ": " $5 " bytes" }'
rm -rf "$work"

phase "Start-up to the first frame with text, and peak memory"
source tests/e2e/xsession.sh
start_x
/usr/bin/python3 bench/startup_bench.py build/release/app/compartica \
    build/release/bench/minimal_qt "$runs"
