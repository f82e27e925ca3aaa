#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Compartica and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${BUILD_PACKAGES[@]}"
build_tree release -DBUILD_TESTING=OFF
exec build/release/app/compartica
