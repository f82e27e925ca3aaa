#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Compartica with its tests and runs them all
# headless: under AddressSanitizer and UndefinedBehaviorSanitizer, then as
# released; then the web edition in node and Chromium; then, as root, builds
# the Debian package, installs it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

phase "What the build and the tests need"
ensure_installed --locale "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
    "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" $(npm_package)
echo "all installed"

run_tests() { # build folder
    (
        cd "$1"
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
    ) | grep -v '^ *Start '
}

phase "Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer) and its tests"
build_tree sanitize -DCOMPARTICA_WERROR=ON -DCOMPARTICA_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" run_tests build/sanitize

phase "Release build and its tests"
build_tree test -DCOMPARTICA_WERROR=ON
run_tests build/test

phase "Web edition: built with emscripten, tested under node and in Chromium"
build_web
quietly npm ci --prefix tests/web --no-audit --no-fund
tests/web/tst_web.sh build/test build/web

phase "Debian package: built from the release build, installed system-wide and started"
(cd build/test && quietly cpack -G DEB && ls "$PWD"/compartica_*.deb)
if [ "$(id -u)" -eq 0 ]; then
    echo "Installing the package system-wide with apt-get, to try it as installed"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall ./build/test/compartica_*.deb >/dev/null
    tests/e2e/tst_installed.sh build/test/layout_table
else
    echo "(not root: the package is built but not installed and tried)"
fi
