#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The version is written once, in project(): the program, the AppStream
# release and the Debian package all carry that one.
# Usage: tst_version.sh VERSION PATH-TO-COMPARTICA METAINFO CPACK-CONFIG
set -uo pipefail
version=$1 app=$2 metainfo=$3 cpack=$4
status=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAIL: $what"; status=1; fi
}
check "the program is built with version $version" bash -c "strings '$app' | grep -Fxq '$version'"
check "the AppStream release is $version" grep -q "<release version=\"$version\"" "$metainfo"
check "the package version is $version" grep -q "CPACK_PACKAGE_VERSION \"$version\"" "$cpack"
exit $status
