#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Compartica with its tests and runs them all
# headless: first the checks of the source tree that no build type changes,
# then the tests under AddressSanitizer and UndefinedBehaviorSanitizer, then
# as released; then the web edition in node and Chromium, built twice to the
# same bytes; then, as root, builds the Debian package, installs it and
# starts it; last it checks that none of it wrote into the source tree.
# Ends with one line a phase and one that says whether all passed or which
# phase failed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

running=     # the phase under way, named as the summary names it
finished=()  # one line for each phase that passed
passes=()    # what each phase that passed contributes to the last line

begin() { # short name, heading
    running=$1
    phase "$2"
}

passed() { # what the phase's summary line says [, what the last line says]
    finished+=("$running: $1")
    [ -z "${2:-}" ] || passes+=("$2")
    running=
}

summarize() {
    local status=$?
    rm -f "$log" "$tree_before"
    phase "Summary"
    [ ${#finished[@]} -eq 0 ] || printf '%s\n' "${finished[@]}"
    if [ -n "$running" ]; then
        echo "$running: failed"
        echo "failed in phase $running (exit status $status)"
    else
        local IFS=,
        echo "all phases passed:${passes[*]/#/ }"
    fi
}
log=$(mktemp)
tree_before=$(mktemp)
trap summarize EXIT

# Runs a build folder's tests (further arguments go to ctest) and sets tally
# to how many passed, as "passed/all". A test that takes longer than its
# limit (600 s, or its own) has hung: the slowest, on a loaded 2-core
# machine under the sanitizers, takes about a sixth of it.
run_tests() { # build folder [ctest arguments]
    local folder=$1
    shift
    (
        cd "$folder"
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 "$@"
    ) | tee "$log" | grep -v '^ *Start '
    tally=$(awk '/ tests failed out of / { print $NF - $4 "/" $NF }' "$log")
}

begin set-up "What the build and the tests need"
ensure_installed --locale "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
    "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" $(npm_package)
echo "all installed"
passed "all installed"
tests/e2e/tst_clean_tree.sh record . "$tree_before"

begin checks "Checks of the source tree: licences, desktop file, AppStream, set-up advice, catalogues"
configure_tree test -DCOMPARTICA_WERROR=ON
run_tests build/test --label-regex '^tree$'
passed "$tally tests passed" "checks $tally"

begin sanitizer "Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer) and its tests"
build_tree sanitize -DCOMPARTICA_WERROR=ON -DCOMPARTICA_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
    run_tests build/sanitize --label-exclude '^tree$'
passed "$tally tests passed" "sanitizer $tally"

begin release "Release build and its tests"
build_tree test -DCOMPARTICA_WERROR=ON
run_tests build/test --label-exclude '^tree$'
passed "$tally tests passed" "release $tally"

begin portable "The window built without its X11-only part, as on Windows and macOS"
cmake -S . -B build/portable -DCMAKE_BUILD_TYPE=Release -DCOMPARTICA_WERROR=ON \
    -DCOMPARTICA_X11=OFF -DBUILD_TESTING=OFF >/dev/null
quietly cmake --build build/portable --target compartica --parallel "$(nproc)"
! readelf -d build/portable/app/compartica | grep -q 'NEEDED.*libxcb' || {
    echo "build/portable/app/compartica still links libxcb"
    false
}
tests/e2e/tst_nodisplay.sh build/portable/app/compartica "$(sed -n 's/^project(Compartica VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)"
passed "built and started without libxcb" "portable"

begin web "Web edition: built twice with emscripten, to the same bytes; tested in node and Chromium"
build_web
tests/web/tst_same_twice.sh . build/web
install_npm_packages tests/web
tests/web/tst_web.sh build/test build/web
passed "built twice to the same bytes; the core's tests under node and the page in Chromium" \
    "web built the same twice, core under node, page in Chromium"

heading="Debian package: built from the release build"
[ "$(id -u)" -eq 0 ] && heading+=", installed system-wide and started" ||
    heading+=" (installing it needs root)"
begin package "$heading"
(cd build/test && quietly cpack -G DEB && ls "$PWD"/compartica_*.deb)
if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive quietly apt-get install -y --reinstall ./build/test/compartica_*.deb
    tests/e2e/tst_installed.sh build/test/layout_table
    passed "built, installed system-wide and started" "package"
else
    passed "built, not installed (not root)" "package built"
fi

begin tree "The source tree: as it was before the build and the tests"
tests/e2e/tst_clean_tree.sh compare . "$tree_before"
passed "nothing written into it" "source tree untouched"
