#!/usr/bin/env bash
# Installs what is missing, builds Compartica with its tests and runs them all
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_comma_locale
build_tree test -DCOMPARTICA_WERROR=ON
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
