#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building needs, builds Compartica as released (no tests) and
# makes the Debian package; prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build_tree package -DBUILD_TESTING=OFF
(cd build/package && quietly cpack -G DEB && ls "$PWD"/compartica_*.deb)
