#!/usr/bin/env bash
# Where no display can be opened the program says so in one line on stderr
# and exits with status 1, without the toolkit's abort.
# Usage: tst_nodisplay.sh PATH-TO-COMPARTICA
set -uo pipefail
APP=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

check() { # description, then the environment to run in
    local what=$1 status=0
    shift
    env -i PATH="$PATH" HOME="$WORK" "$@" timeout 10 "$APP" >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: $what: exit status $status, not 1"; cat "$WORK/err"; exit 1; }
    [ "$(wc -l <"$WORK/err")" -eq 1 ] || { echo "FAIL: $what: stderr is not one line:"; cat "$WORK/err"; exit 1; }
    grep -q '^compartica: .*display' "$WORK/err" || { echo "FAIL: $what: unclear message"; cat "$WORK/err"; exit 1; }
    [ ! -s "$WORK/out" ] || { echo "FAIL: $what: wrote to stdout"; exit 1; }
    echo "ok: $what: $(cat "$WORK/err")"
}

check "no display named"
check "a display that cannot be reached" DISPLAY=:9999
