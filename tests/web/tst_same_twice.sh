#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The same sources make the same site and the same SCORM packages, byte for
# byte: builds the web edition a second time in a folder of its own and
# compares the two, file by file. A returning visitor then downloads nothing
# after a rebuild that changed nothing.
# Usage: tst_same_twice.sh SOURCE-TREE WEB-BUILD
set -euo pipefail
source=$1 first=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ emcmake cmake -S "$source" -B "$work" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$work" --parallel "$(nproc)"; } >"$work/log" 2>&1 ||
    { cat "$work/log"; exit 1; }
for folder in site scorm; do
    diff --recursive --brief "$first/$folder" "$work/$folder"
    echo "ok: $folder, the same $(find "$first/$folder" -type f | wc -l) files byte for byte"
done
