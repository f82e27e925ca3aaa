#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Compartica and starts it. Where there is
# no display to start it on, it says so before installing anything, and
# goes on only to build: after asking, at a terminal; saying so, elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

build_only=no
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the"
    echo "window cannot open."
    if [ -t 0 ]; then
        read -r -p "Install what is missing and build it, to start it later? [y/N] " answer
        [[ $answer == [yY]* ]] || exit 1
    else
        echo "Going on to install what is missing and build it, without starting it."
    fi
    build_only=yes
fi
ensure_installed "${BUILD_PACKAGES[@]}"
build_tree release -DBUILD_TESTING=OFF
if [ "$build_only" = yes ]; then
    echo "Built $PWD/build/release/app/compartica: start it where there is a display."
    exit 0
fi
exec build/release/app/compartica
