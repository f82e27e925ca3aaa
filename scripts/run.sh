#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Compartica and starts it, with the
# options given (scripts/run.sh --practice, --lang de). Where there is no
# display to start it on, it says so before installing anything, and only
# installs and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
display=${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}
[ -n "$display" ] || echo "Neither DISPLAY nor WAYLAND_DISPLAY is set, so the window cannot open" \
    "here: installing what is missing and building it, without starting it."
ensure_installed "${BUILD_PACKAGES[@]}"
build_tree release -DBUILD_TESTING=OFF
[ -n "$display" ] || { echo "Built $PWD/build/release/app/compartica."; exit 0; }
exec build/release/app/compartica "$@"
