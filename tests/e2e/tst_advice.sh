#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/test.sh run by a user who is not root, with three packages (one of
# them needed twice) and the comma locale missing: it prints one block of
# commands for root that installs exactly what is missing, and stops; npm
# without its registry is told in one line; Python's variables are unset.
# Usage: tst_advice.sh SOURCE-TREE
set -uo pipefail
tree=$1
WORK=$(mktemp -d)
chmod 755 "$WORK"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# dpkg-query and locale as on a machine without cmake, xdotool, git and the
# locale.
mkdir "$WORK/bin"
cat >"$WORK/bin/dpkg-query" <<'FAKE'
#!/bin/sh
for last; do :; done
case "$last" in cmake | xdotool | git) exit 1 ;; esac
exec /usr/bin/dpkg-query "$@"
FAKE
cat >"$WORK/bin/locale" <<'FAKE'
#!/bin/sh
/usr/bin/locale "$@" | grep -vi '^de_DE'
FAKE
chmod 755 "$WORK/bin/dpkg-query" "$WORK/bin/locale"

as_user() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u nobody -- env PATH="$WORK/bin:$PATH" HOME="$WORK" "$@"
    else
        env PATH="$WORK/bin:$PATH" "$@"
    fi
}
# The scripts from a copy the other user can read, wherever the checkout is.
mkdir -p "$WORK/tree/scripts"
cp "$tree/scripts/test.sh" "$tree/scripts/setup.sh" "$WORK/tree/scripts/"
chmod -R a+rX "$WORK/tree"
status=0
as_user "$WORK/tree/scripts/test.sh" >"$WORK/out" 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1"
grep -q '^    apt-get update$' "$WORK/out" || fail "no apt-get update: $(cat "$WORK/out")"
[ "$(grep -c 'apt-get install' "$WORK/out")" -eq 1 ] || fail "not one install command"
grep -qx '    apt-get install -y --no-install-recommends cmake xdotool git' "$WORK/out" ||
    fail "the install command is not for cmake, xdotool and git once each: $(grep 'apt-get install' "$WORK/out")"
grep -q '/etc/locale.gen' "$WORK/out" && grep -qx '    locale-gen' "$WORK/out" ||
    fail "no locale commands: $(cat "$WORK/out")"
grep -q 'sudo\|localedef' "$WORK/out" && fail "advice uses sudo or localedef"
echo "ok: one block of root commands for exactly what is missing:"
sed 's/^/  /' "$WORK/out"

# npm without its registry: one line that names the likely causes.
mkdir "$WORK/npm"
cp "$tree/tests/web/package.json" "$tree/tests/web/package-lock.json" "$WORK/npm/"
(
    source "$tree/scripts/setup.sh"
    npm_config_cache="$WORK/npm/cache" npm_config_registry=http://127.0.0.1:9/ \
        npm_config_fetch_retries=0 install_npm_packages "$WORK/npm"
) >"$WORK/out" 2>&1 && fail "npm without a registry succeeded"
[ "$(wc -l <"$WORK/out")" -eq 1 ] && grep -q "registry.*certificate" "$WORK/out" ||
    fail "npm without a registry: $(cat "$WORK/out")"
echo "ok: $(cat "$WORK/out")"

# The scripts run Python as a newcomer's machine does, whatever this one's
# environment sets.
left=$(PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$WORK" PYTHONSAFEPATH=1 bash -c \
    "source '$tree/scripts/setup.sh' && env" | grep '^PYTHON')
[ -z "$left" ] || fail "the scripts keep Python's variables: $left"
echo "ok: the scripts unset PYTHONDONTWRITEBYTECODE, PYTHONPATH and PYTHONSAFEPATH"
