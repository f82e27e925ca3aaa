# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tree's checks: the files of a source tree that its
# .gitignore keeps, NUL-separated, relative to the tree. The tree may be a
# git checkout or an unpacked copy without one: git lists them against a
# scratch repository, so build folders and node_modules are never read, and
# a checkout owned by another user (root testing a student's clone) is
# read all the same.
source_files() { # tree
    local scratch
    scratch=$(mktemp -d)
    git init --quiet "$scratch"
    GIT_DIR="$scratch/.git" GIT_WORK_TREE="$1" git -C "$1" ls-files -z --others --exclude-standard
    rm -rf "$scratch"
}
