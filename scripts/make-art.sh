#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the emblem and icons under art/ from art/make_art.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages qt6-svg-dev
cmake -S . -B build/art -DBUILD_TESTING=OFF >/dev/null
cmake --build build/art --target make_art
QT_QPA_PLATFORM=offscreen build/art/art/make_art art
ls -l art/*.png art/*.svg
