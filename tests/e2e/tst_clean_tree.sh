#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Nothing a build or a test run does writes into the source tree: the files
# its .gitignore keeps (all but the build folders and node_modules) are,
# after the run, byte for byte those before it. Each file added (a bytecode
# cache, a stray output), changed or gone is named.
# Usage: tst_clean_tree.sh record|compare SOURCE-TREE FILE
set -euo pipefail
export LC_ALL=C
mode=$1 tree=$2 kept=$3
source "$(dirname "$0")/source_files.sh"
digests() { source_files "$tree" | (cd "$tree" && xargs -0 -r sha256sum) | sort -k 2; }

[ "$mode" = record ] && { digests >"$kept"; exit 0; }
# Each path with its digest before and after, "-" where there is none.
report=$(join -1 2 -2 2 -a 1 -a 2 -e - -o 0,1.1,2.1 "$kept" <(digests) |
    awk '$2 == "-" { print "added: " $1 } $3 == "-" { print "gone: " $1 }
         $2 != "-" && $3 != "-" && $2 != $3 { print "changed: " $1 }')
[ -z "$report" ] || { printf 'FAIL: the run wrote into the source tree %s:\n%s\n' "$tree" "$report"; exit 1; }
echo "ok: the $(wc -l <"$kept") files of $tree are as they were before the run"
