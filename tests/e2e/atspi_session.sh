#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as on a desktop where a screen reader is listening: a
# private X server, a session bus and the AT-SPI accessibility bus.
# Usage: atspi_session.sh COMMAND [ARGUMENT...]
set -uo pipefail
source "$(dirname "$0")/xsession.sh"
start_x
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    for _ in $(seq 50); do
        dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    "$@"' _ "$@" 2> >(grep -v -e 'dbus-daemon' -e 'SpiRegistry' >&2)
