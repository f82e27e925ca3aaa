#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building needs, builds Compartica as released (no tests) and
# makes the Debian package; prints its absolute path and the command that
# installs it, which works from any folder (after 'su -' too).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build_tree package -DBUILD_TESTING=OFF
(cd build/package && quietly cpack -G DEB)
deb=$(ls "$PWD"/build/package/compartica_*.deb)
echo "$deb"
echo "To install it, as root: apt-get install $deb"
