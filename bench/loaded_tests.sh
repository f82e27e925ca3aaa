#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Each test's time on a loaded machine, to set its limit by: runs a build
# folder's tests (as scripts/test.sh runs them, but without its limits) with
# two busy loops beside them, a load average of about 3 on 2 cores, and
# prints each test's time and the load seen while they ran.
# Usage: bench/loaded_tests.sh BUILD-FOLDER   (build/sanitize, build/test)
set -euo pipefail
folder=$(cd "$1" && pwd)
supp=$(cd "$(dirname "$0")/.." && pwd)/tests/lsan.supp
busy=()
trap 'kill "${busy[@]}" 2>/dev/null' EXIT
for _ in 1 2; do (while :; do :; done) & busy+=($!); done
(while :; do sleep 30; uptime; done) & busy+=($!)
cd "$folder"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$supp:print_suppressions=0" \
    ctest --timeout 3000 --label-exclude '^tree$' | grep -E 'Test +#|tests passed|load average'
