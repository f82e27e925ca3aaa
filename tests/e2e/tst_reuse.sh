#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source tree carries its licence and copyright (REUSE):
# reuse lints a copy of exactly the files the tree's .gitignore keeps.
# Usage: tst_reuse.sh SOURCE-TREE
set -euo pipefail
tree=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/source_files.sh"
mkdir "$work/copy"
source_files "$tree" | tar -C "$tree" --null --files-from=- -cf - | tar -C "$work/copy" -xf -
echo "# $(find "$work/copy" -type f | wc -l) files"
# Without a repository of its own reuse warns that it found none and reads
# every file of the copy, which is what is wanted here.
reuse --root "$work/copy" lint 2> >(grep -v 'could not find supported VCS' >&2)
