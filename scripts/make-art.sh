#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the emblem and icons under art/ from art/make_art.cpp. The same
# program draws the same pixels; the files keep no time of their making, so
# a redraw that changes nothing leaves every file as it was.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed qt6-svg-dev imagemagick
configure_tree art -DBUILD_TESTING=OFF
quietly cmake --build build/art --target make_art
QT_QPA_PLATFORM=offscreen quietly build/art/art/make_art art
# Qt writes palette images 8 bits a pixel; the 16-colour icon is stored at 4,
# without ImageMagick's time chunks.
convert art/icon-32.png -define png:bit-depth=4 -define png:color-type=3 \
    -define png:exclude-chunks=date,time art/icon-32.png
# Qt writes the SVG without the licence comment that every file carries.
# REUSE-IgnoreStart
sed -i -e '1a <!--' -e '1a SPDX-FileCopyrightText: 2026 Compartica developers' \
    -e '1a SPDX-License-Identifier: CC-BY-SA-4.0' -e '1a -->' art/compartica.svg
# REUSE-IgnoreEnd
ls -l art/*.png art/*.svg
