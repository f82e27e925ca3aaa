#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the window cannot be shown the program says why in one line on
# stderr and exits with status 1, without the toolkit's abort: which
# platform failed and what to do, the toolkit's own words where a plugin is
# missing, in the language asked for. Qt's own options count as the
# environment does. Off X11 it starts
# as anywhere else; --version and --help need no display. An option it
# does not know, an argument, or --lang without a code is refused with one
# line and status 2, display or not; a language it does not have is
# warned of, and the program goes on in English; so is a scale factor it
# cannot draw at, and the window opens at the nearest it can.
# Usage: tst_nodisplay.sh PATH-TO-COMPARTICA VERSION
set -uo pipefail
APP=$1 VERSION=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Runs $PROGRAM (default the program) with $ARGUMENTS and only the
# environment given.
check() { # description, pattern the message must match, then the environment
    local what=$1 pattern=$2 status=0
    shift 2
    env -i PATH="$PATH" HOME="$WORK" "$@" timeout "${TIMEOUT:-10}" "${PROGRAM:-$APP}" ${ARGUMENTS:-} \
        >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" -eq "${STATUS:-1}" ] ||
        { echo "FAIL: $what: exit status $status, not ${STATUS:-1}"; cat "$WORK/err"; exit 1; }
    [ "$(wc -l <"$WORK/err")" -eq 1 ] || { echo "FAIL: $what: stderr is not one line:"; cat "$WORK/err"; exit 1; }
    grep -Eq "$pattern" "$WORK/err" || { echo "FAIL: $what: message does not match '$pattern'"; cat "$WORK/err"; exit 1; }
    [ ! -s "$WORK/out" ] || { echo "FAIL: $what: wrote to stdout"; exit 1; }
    echo "ok: $what: $(cat "$WORK/err")"
}

# Refused before the toolkit starts, with or without a display to open.
refused() { # arguments, the reason
    ARGUMENTS=$1 STATUS=2 check "$1 refused" "^compartica: $2 \(see compartica --help\)$" DISPLAY=:9999
}
refused "--colour" "unknown option '--colour'"
refused "-colour" "unknown option '-colour'"
refused "--practice --platform=xcb" "unknown option '--platform=xcb'"
refused "cases.pdf" "unexpected argument 'cases.pdf'"
refused $'--co\e[1mlour' "unknown option '--co[\\]x1b\\[1mlour'"
refused "--lang" "--lang needs a language code: one of en, de, es"
refused "--lang= --practice" "--lang needs a language code: one of en, de, es"
refused "--lang --practice" "--lang needs a language code: one of en, de, es"
env -i PATH="$PATH" HOME="$WORK" DISPLAY=:9999 LANG=de_DE.UTF-8 "$APP" --lang fr >"$WORK/out" 2>"$WORK/err"
[ "$(sed -n 1p "$WORK/err")" = "compartica: the language 'fr' is not one of en, de, es: the window is in English" ] &&
    [ "$(wc -l <"$WORK/err")" -eq 2 ] && grep -q '^compartica: cannot open the X display :9999' "$WORK/err" ||
    { echo "FAIL: --lang fr: not a warning, then English:"; cat "$WORK/err"; exit 1; }
echo "ok: --lang fr: $(sed -n 1p "$WORK/err"), then English"

check "no display named" '^compartica: no X display to show the window on \(DISPLAY is not set\)$'
check "an X display that cannot be reached" '^compartica: cannot open the X display :9999 ' DISPLAY=:9999
check "in the language the environment names" \
    '^compartica: das X-Display :9999 für das Fenster lässt sich nicht öffnen$' DISPLAY=:9999 LANG=de_DE.UTF-8
ARGUMENTS="--lang es" check "in the language --lang names" \
    '^compartica: no se puede abrir la pantalla X :9999 para mostrar la ventana$' DISPLAY=:9999 LANG=de_DE.UTF-8
ARGUMENTS="-display :9998" check "-display names the X display" \
    '^compartica: cannot open the X display :9998 ' DISPLAY=:9999
check "a window-system plugin that does not exist" \
    '^compartica: Could not find the Qt platform plugin "nosuchplugin" in "" \(available platform plugins are: [^)]*xcb' \
    DISPLAY=:9999 QT_QPA_PLATFORM=nosuchplugin
# Qt's Wayland plugin is installed here; a copy of the program whose qt.conf
# names a plugin folder without it starts as where it is not.
mkdir -p "$WORK/copy" "$WORK/plugins/platforms"
cp "$APP" "$WORK/copy/"
for plugin in "$(qtpaths6 --query QT_INSTALL_PLUGINS)"/platforms/*; do
    case $plugin in *wayland*) ;; *) ln -s "$plugin" "$WORK/plugins/platforms/" ;; esac
done
printf '[Paths]\nPlugins = %s\n' "$WORK/plugins" >"$WORK/copy/qt.conf"
PROGRAM=$WORK/copy/$(basename "$APP") check "the Wayland plugin missing" \
    '^compartica: Could not find the Qt platform plugin "wayland" in "" \(available [^)]*\); on Debian, the package qt6-wayland brings it$' \
    QT_QPA_PLATFORM=wayland
check "no Wayland compositor, an X display named" \
    '^compartica: no Wayland compositor at wayland-0 to show the window on \(WAYLAND_DISPLAY is not set\); QT_QPA_PLATFORM asks for wayland: ask for xcb to use the X display :9999$' \
    QT_QPA_PLATFORM=wayland DISPLAY=:9999 XDG_RUNTIME_DIR="$WORK"
printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' "$WORK/fonts" \
    >"$WORK/nofonts.conf"
check "no font at all" '^compartica: no font .*Liberation Sans .*fonts-liberation2' \
    QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$WORK/nofonts.conf"

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
quietly_runs 124 timeout 2 "$APP" -platform offscreen
quietly_runs 124 timeout 2 "$APP" --platform offscreen -style=Fusion -reverse --practice --lang=de
echo "ok: off X11 (offscreen, by environment or -platform) the program runs until it is closed," \
    "with Qt's options beside its own"
# A scale factor the window cannot be drawn at: one line, and the window
# at the nearest it can be drawn at, running (not an invisible window, nor
# gigabytes asked for).
for row in "nan 1" "inf 3" "0 0.5" "1e-300 0.5" "100 3" "-2 0.5" "0.3 0.5" "x2 1"; do
    read -r factor drawn <<<"$row"
    STATUS=124 TIMEOUT=2 check "QT_SCALE_FACTOR=$factor" \
        "^compartica: QT_SCALE_FACTOR '$factor' is not a number from 0.5 to 3: the window is drawn at $drawn$" \
        QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$factor"
done
for factor in 0.5 0.75 " 2 " 3; do
    quietly_runs 124 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$factor" timeout 2 "$APP"
done
echo "ok: QT_SCALE_FACTOR from 0.5 to 3 taken without a word"
quietly_runs 0 "$APP" --version
[ "$(cat "$WORK/out")" = "compartica $VERSION" ] || { echo "FAIL: --version: $(cat "$WORK/out")"; exit 1; }
quietly_runs 0 "$APP" --help
grep -q 'compartica-sheets' "$WORK/out" && grep -q -- '--version' "$WORK/out" ||
    { echo "FAIL: --help: $(cat "$WORK/out")"; exit 1; }
echo "ok: --version and --help print without a display: $(head -n 1 "$WORK/out")"
for option in --version --help; do
    status=0
    "$APP" $option >/dev/full 2>"$WORK/err" || status=$?
    [ "$status" -eq 1 ] &&
        [ "$(cat "$WORK/err")" = "compartica: cannot write to standard output: No space left on device" ] ||
        { echo "FAIL: $option to a full disk: status $status, $(cat "$WORK/err")"; exit 1; }
done
echo "ok: --version and --help to a full disk: status 1 and one line"
exit 0
