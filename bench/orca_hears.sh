#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Orca screen reader says of the page as a blind student steps
# through it: a headful Chromium on a private X server with openbox, the
# AT-SPI bus and Orca, Space pressed twice by xdotool (answer 1, then
# question 2). Prints each utterance Orca logs from the first Space on.
# Orca is given no speech server, so it logs what it would say without a
# sound device. Needs Debian's orca, openbox, xdotool, dbus-x11, chromium
# and xvfb. Not a unit test: it takes about a minute.
# Usage: bench/orca_hears.sh SITE-DIR WIDTH HEIGHT [DISPLAY-NUMBER]
set -uo pipefail
site=$1 width=$2 height=$3
export DISPLAY=:${4:-95}
work=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    [ -z "${DBUS_SESSION_BUS_PID:-}" ] || kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    sleep 1
    rm -rf "$work"
}
trap cleanup EXIT
start() { # command...: runs it in the background, to be stopped at the end
    "$@" >/dev/null 2>&1 &
    pids+=($!)
}

start Xvfb "$DISPLAY" -screen 0 "${width}x${height}x24" -nolisten tcp
sleep 1
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
start python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
eval "$(dbus-launch --sh-syntax)"
start /usr/libexec/at-spi-bus-launcher --launch-immediately
sleep 1
start openbox
sleep 1
SPEECHD_ADDRESS=unix_socket:$work/no-speech-server start orca --replace -u "$work/orca" \
    --debug-file="$work/orca.log"
sleep 5
start chromium --no-sandbox --user-data-dir="$work/profile" --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --force-renderer-accessibility --start-maximized "http://127.0.0.1:$port/index.html"
sleep 25
xdotool search --onlyvisible --class chromium windowactivate 2>/dev/null
sleep 3
for _ in 1 2; do
    xdotool key space
    sleep 15
done
awk '/SPEECH OUTPUT: .space/ { on = 1 } on && /SPEECH OUTPUT/' "$work/orca.log" |
    sed -e 's/^.*SPEECH OUTPUT: //' -e "s/{'established'.*//"
