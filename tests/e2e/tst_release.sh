#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as released: hardened as Debian builds its packages, and
# carrying the one version of project(), as the AppStream release and the
# Debian package do.
# Usage: tst_release.sh PATH-TO-COMPARTICA VERSION METAINFO CPACK-CONFIG
set -uo pipefail
APP=$1 version=$2 metainfo=$3 cpack=$4
status=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAIL: $what"; status=1; fi
}
check "position-independent executable" bash -c "readelf -h '$APP' | grep -q 'Type:.*DYN'"
check "read-only relocations (RELRO)" bash -c "readelf -l '$APP' | grep -q GNU_RELRO"
check "symbols bound at start-up (BIND_NOW)" \
    bash -c "readelf -d '$APP' | grep -E -q 'BIND_NOW|FLAGS_1.*NOW'"
check "stack protector" bash -c "readelf -W --dyn-syms '$APP' | grep -q __stack_chk_fail"
check "fortified library calls" bash -c "readelf -W --dyn-syms '$APP' | grep -E -q '__[a-z]+_chk@'"
check "no executable stack" bash -c "readelf -l '$APP' | grep GNU_STACK | grep -q -v RWE"
check "the program is built with version $version" bash -c "strings '$APP' | grep -Fxq '$version'"
check "the AppStream release is $version" grep -q "<release version=\"$version\"" "$metainfo"
check "the package version is $version" grep -q "CPACK_PACKAGE_VERSION \"$version\"" "$cpack"
exit $status
