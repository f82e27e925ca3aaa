#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the window cannot be shown the program says why in one line on
# stderr and exits with status 1, without the toolkit's abort: "display"
# only when the display is the trouble, the toolkit's own reason otherwise.
# Off X11 it starts as anywhere else; --version and --help need no display.
# Usage: tst_nodisplay.sh PATH-TO-COMPARTICA VERSION
set -uo pipefail
APP=$1 VERSION=$2
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

# Runs the program without a display: its status, what it wrote to stdout,
# and nothing on stderr.
quietly_runs() { # expected status, then arguments and environment for env
    local expected=$1 status=0
    shift
    env -i PATH="$PATH" HOME="$WORK" "$@" >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" -eq "$expected" ] && [ ! -s "$WORK/err" ] ||
        { echo "FAIL: $*: exit status $status, not $expected"; cat "$WORK/err"; exit 1; }
}
quietly_runs 124 QT_QPA_PLATFORM=offscreen timeout 2 "$APP"
echo "ok: off X11 (offscreen) the program runs until it is closed"
quietly_runs 0 "$APP" --version
[ "$(cat "$WORK/out")" = "compartica $VERSION" ] || { echo "FAIL: --version: $(cat "$WORK/out")"; exit 1; }
quietly_runs 0 "$APP" --help
grep -q 'compartica-sheets' "$WORK/out" && grep -q -- '--version' "$WORK/out" ||
    { echo "FAIL: --help: $(cat "$WORK/out")"; exit 1; }
echo "ok: --version and --help print without a display: $(head -n 1 "$WORK/out")"
exit 0
