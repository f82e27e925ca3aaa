#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed package: the desktop entry, metadata and icons are in place,
# and the installed program starts, shows the case and ends on "end".
# Usage: tst_installed.sh PATH-TO-LAYOUT-TABLE   (after apt-get install ./compartica_*.deb)
set -uo pipefail
APP=/usr/bin/compartica
LAYOUT_TABLE=$1
source "$(dirname "$0")/xsession.sh"

for file in /usr/share/applications/org.compartica.Compartica.desktop \
    /usr/share/metainfo/org.compartica.Compartica.metainfo.xml \
    /usr/share/icons/hicolor/32x32/apps/org.compartica.Compartica.png \
    /usr/share/icons/hicolor/64x64/apps/org.compartica.Compartica.png \
    /usr/share/icons/hicolor/128x128/apps/org.compartica.Compartica.png \
    /usr/share/icons/hicolor/scalable/apps/org.compartica.Compartica.svg \
    /usr/share/doc/compartica/copyright; do
    [ -s "$file" ] || fail "$file is not installed"
done
echo "ok: desktop entry, metadata, icons and licences installed"
grep -q "^License: GPL-3.0-or-later" /usr/share/doc/compartica/copyright || fail "the package does not say its licence"
[ -x "$APP" ] || fail "$APP is not installed"
compartica-sheets --count 2 --seed 7 --output "$WORK/set.pdf" --key "$WORK/key.pdf" ||
    fail "the installed compartica-sheets cannot make a set"
echo "ok: the installed compartica-sheets makes a set and its key"

start_x
start_app
shot
[ "$(count_dark $(rect Picture1))" -gt 1000 ] || fail "the installed program shows no case"
click_at $(rect end)
expect_exit_zero "a click on end in the installed program"
