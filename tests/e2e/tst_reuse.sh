#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source tree carries its licence and copyright (REUSE).
# The tree may be a git checkout or an unpacked copy without one: the files
# to check are those the tree's .gitignore keeps, listed by git against a
# scratch repository, so build folders and node_modules are never read.
# reuse lints a copy of exactly those files.
# Usage: tst_reuse.sh SOURCE-TREE
set -euo pipefail
tree=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git init --quiet "$work/scratch"
mkdir "$work/copy"
GIT_DIR="$work/scratch/.git" GIT_WORK_TREE="$tree" git -C "$tree" ls-files -z --others \
    --exclude-standard | tar -C "$tree" --null --files-from=- -cf - | tar -C "$work/copy" -xf -
echo "# $(find "$work/copy" -type f | wc -l) files"
# Without a repository of its own reuse warns that it found none and reads
# every file of the copy, which is what is wanted here.
reuse --root "$work/copy" lint 2> >(grep -v 'could not find supported VCS' >&2)
