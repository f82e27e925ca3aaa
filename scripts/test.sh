#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Compartica with its tests and runs them all
# headless: under AddressSanitizer and UndefinedBehaviorSanitizer, then as
# released; then builds the Debian package, installs it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_comma_locale

echo "== sanitizers: AddressSanitizer and UndefinedBehaviorSanitizer"
build_tree sanitize -DCOMPARTICA_WERROR=ON -DCOMPARTICA_SANITIZE=ON
(
    cd build/sanitize
    export ASAN_OPTIONS=detect_leaks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/../../tests/lsan.supp:print_suppressions=0"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
)

echo "== Debian package, installed and started"
build_tree test -DCOMPARTICA_WERROR=ON
(cd build/test && cpack -G DEB >/dev/null && ls compartica_*.deb)
if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall ./build/test/compartica_*.deb >/dev/null
    tests/e2e/tst_installed.sh build/test/layout_table
else
    echo "(not root: the package is built but not installed and tried)"
fi

echo "== release build"
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
