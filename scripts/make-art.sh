#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the emblem and icons under art/ from art/make_art.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed qt6-svg-dev imagemagick
cmake -S . -B build/art -DBUILD_TESTING=OFF >/dev/null
cmake --build build/art --target make_art
QT_QPA_PLATFORM=offscreen build/art/art/make_art art
# Qt writes palette images 8 bits a pixel; the 16-colour icon is stored at 4.
convert art/icon-32.png -define png:bit-depth=4 -define png:color-type=3 art/icon-32.png
ls -l art/*.png art/*.svg
