#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot.png afresh: the real window under Xvfb, after a
# click on "See answer 1" (every run invents a new patient).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${BUILD_PACKAGES[@]}" xvfb x11-xkb-utils xkb-data xdotool imagemagick x11-utils openbox
build_tree release -DBUILD_TESTING=OFF
APP=build/release/app/compartica
source tests/e2e/xsession.sh
start_x
start_app
LAYOUT_TABLE=build/release/layout_table
click_at $(rect seeanswer1)
sleep 1
shot
mkdir -p docs
# The layout's own size; the rest of a maximized window is white.
read -r _ _ width height <<<"$(rect form)"
convert "$WORK/shot.png" -crop "${width}x${height}+0+0" +repage docs/screenshot.png
echo "wrote docs/screenshot.png"
