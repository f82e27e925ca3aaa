#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Nothing a build or a test run does writes into the source tree: the files
# that the tree's .gitignore keeps (all but the build folders and
# node_modules) are, after the run, the files they were before it, byte for
# byte. Any file added (a bytecode cache, a stray output), changed or gone
# is named.
# Usage: tst_clean_tree.sh record SOURCE-TREE FILE    (before the run: keeps
#                                                    each file's SHA-256)
#        tst_clean_tree.sh compare SOURCE-TREE FILE   (after it)
set -euo pipefail
export LC_ALL=C
mode=$1 tree=$2 kept=$3
source "$(dirname "$0")/source_files.sh"

digests() {
    source_files "$tree" | (cd "$tree" && xargs -0 -r sha256sum) | sort -k 2
}

case $mode in
    record) digests >"$kept" ;;
    compare)
        # Each path with its digest before and after, "-" where it is missing.
        report=$(join -1 2 -2 2 -a 1 -a 2 -e - -o 0,1.1,2.1 "$kept" <(digests) | awk '
            $2 == "-" { print "added: " $1 }
            $3 == "-" { print "gone: " $1 }
            $2 != "-" && $3 != "-" && $2 != $3 { print "changed: " $1 }')
        if [ -n "$report" ]; then
            echo "FAIL: the run wrote into the source tree $tree:"
            echo "$report"
            exit 1
        fi
        echo "ok: the $(wc -l <"$kept") files of $tree are as they were before the run"
        ;;
    *) sed -n '4,11p' "$0" | sed 's/^# \?//' >&2; exit 2 ;;
esac
