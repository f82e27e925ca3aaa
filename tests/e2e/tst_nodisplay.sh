#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the window cannot be shown the program says why in one line on
# stderr and exits with status 1, without the toolkit's abort: "display"
# only when the display is the trouble, the toolkit's own reason otherwise.
# Usage: tst_nodisplay.sh PATH-TO-COMPARTICA
set -uo pipefail
APP=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

check() { # description, pattern the message must match, then the environment
    local what=$1 pattern=$2 status=0
    shift 2
    env -i PATH="$PATH" HOME="$WORK" "$@" timeout 10 "$APP" >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: $what: exit status $status, not 1"; cat "$WORK/err"; exit 1; }
    [ "$(wc -l <"$WORK/err")" -eq 1 ] || { echo "FAIL: $what: stderr is not one line:"; cat "$WORK/err"; exit 1; }
    grep -Eq "$pattern" "$WORK/err" || { echo "FAIL: $what: message does not match '$pattern'"; cat "$WORK/err"; exit 1; }
    [ ! -s "$WORK/out" ] || { echo "FAIL: $what: wrote to stdout"; exit 1; }
    echo "ok: $what: $(cat "$WORK/err")"
}

check "no display named" '^compartica: no display'
check "a display that cannot be reached" '^compartica: cannot open the display :9999' DISPLAY=:9999
check "a window-system plugin that does not exist" '^compartica: [^:]*plugin' \
    DISPLAY=:9999 QT_QPA_PLATFORM=nosuchplugin
grep -q 'display' "$WORK/err" && { echo "FAIL: a missing plugin is reported as a display problem"; exit 1; }
exit 0
