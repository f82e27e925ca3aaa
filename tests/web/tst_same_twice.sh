#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The same sources make the same site and the same SCORM packages, byte for
# byte: builds the web edition a second time in a folder of its own and
# compares it with the build given, file by file. A returning visitor then
# downloads nothing after a rebuild that changed nothing.
# Usage: tst_same_twice.sh SOURCE-TREE WEB-BUILD
set -euo pipefail
source=$1 first=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
second=$work/build
{ emcmake cmake -S "$source" -B "$second" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$second" --parallel "$(nproc)"; } >"$work/log" 2>&1 ||
    { cat "$work/log"; exit 1; }

files() { # folder: its files, one a line
    (cd "$1" && find . -maxdepth 1 -type f | sort)
}
status=0
for folder in site scorm; do
    files "$first/$folder" >"$work/first"
    files "$second/$folder" | diff "$work/first" - || status=1
    while read -r name; do
        cmp "$first/$folder/$name" "$second/$folder/$name" || status=1
    done <"$work/first"
    [ "$status" -eq 0 ] || exit 1
    echo "ok: $folder, the same $(wc -l <"$work/first") files byte for byte"
done
