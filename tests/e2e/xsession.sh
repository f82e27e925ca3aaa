# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests: a private X server with a window manager,
# and helpers to drive and look at the real program in it.

WORK=$(mktemp -d)
XVFB_PID=
WM_PID=
APP_PID=
WINDOW=

stop_x() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    APP_PID= WM_PID= XVFB_PID=
}

cleanup() {
    stop_x
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a free display, and openbox in it.
# Usage: start_x [WIDTHxHEIGHT] [STRIP]   (default 1280x1024; STRIP: pixels
# that a panel reserves at the bottom of the screen, default none;
# STRIP "nowm": no window manager at all)
start_x() {
    local size=${1:-1280x1024} strip=${2:-0}
    # Two tries: on a two-core machine right after a build, a new server has
    # once taken no connection for 15 s, and answered at once afterwards.
    start_server "$size" || start_server "$size" ||
        fail "Xvfb on $DISPLAY takes no connection: $(x_state)"
    [ "$strip" = nowm ] && return 0
    sed "s|<bottom>0</bottom>|<bottom>$strip</bottom>|" /etc/xdg/openbox/rc.xml >"$WORK/rc.xml"
    # Two tries: openbox has once not come up in 15 s.
    start_wm || start_wm || fail "the window manager did not start: $(wm_state); $(x_state)"
}

# Starts Xvfb on a free display, in place of any server this script
# started, and waits up to 15 s for its display number, then up to 15 s
# until it takes a connection. The server must not reset when its last
# client leaves: a reset after that first connection drops any client that
# connects meanwhile (openbox, once in twenty starts).
start_server() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    # The last server's display number must not be read as this one's.
    rm -f "$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset \
        3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 150); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    [ -s "$WORK/display" ] || fail "Xvfb did not start: $(tail -n 5 "$WORK/xvfb.log")"
    export DISPLAY=":$(cat "$WORK/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR
    # The server may name its display before it takes connections.
    for _ in $(seq 150); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# Starts openbox and waits up to 15 s until it manages the screen.
start_wm() {
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null && wait "$WM_PID" 2>/dev/null
    openbox --config-file "$WORK/rc.xml" >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 150); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$WM_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Why the server takes no connection, for the failure message.
x_state() {
    kill -0 "$XVFB_PID" 2>/dev/null && echo "Xvfb is running" || echo "Xvfb exited"
    xdpyinfo 2>&1 | tail -n 2
    tail -n 5 "$WORK/xvfb.log"
}

# Why openbox is not managing the screen, for the failure message.
wm_state() {
    if kill -0 "$WM_PID" 2>/dev/null; then
        echo "openbox still running on $DISPLAY after 15 s"
    else
        echo "openbox exited on $DISPLAY"
    fi
    tail -n 5 "$WORK/openbox.log"
}

# Starts the program and waits for its window, maximized.
start_app() {
    "$APP" "$@" 2>"$WORK/stderr" &
    APP_PID=$!
    WINDOW=$(timeout 10 xdotool search --sync --onlyvisible --name '^Compartica$' | head -n 1) ||
        fail "no window titled Compartica"
    for _ in $(seq 50); do
        [ "$(window_width)" -ge 1024 ] && return 0
        sleep 0.1
    done
    fail "the window was not maximized (width $(window_width))"
}

window_width() {
    xdotool getwindowgeometry --shell "$WINDOW" | sed -n 's/^WIDTH=//p'
}

# Clicks the middle of a rectangle given in window pixels: left top width height.
click_at() {
    xdotool mousemove --window "$WINDOW" $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}

shot() {
    import -window "$WINDOW" "$WORK/shot.png" 2>/dev/null || fail "no screenshot"
}

# Counts pixels of the last screenshot inside a rectangle (left top width
# height). Red: red ink, the smoothed pixels of small text included.
count_red() {
    convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -fuzz 25% -fill black +opaque '#FF0000' \
        -fill white -opaque '#FF0000' -format '%[fx:round(mean*w*h)]' info:
}
count_dark() {
    convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -colorspace gray -threshold 50% \
        -negate -format '%[fx:round(mean*w*h)]' info:
}
count_not_white() {
    convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -fill black +opaque white \
        -negate -format '%[fx:round(mean*w*h)]' info:
}

# The box around the ink in a rectangle of the last screenshot (left top
# width height), relative to the rectangle: its left, top, right and bottom
# edges. Ink is any pixel less than half green: black or red text, the
# smoothed edges of smaller text included.
ink_box() {
    convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -channel G -separate +channel \
        -threshold 50% -bordercolor white -border 1 -format '%@' info: |
        awk -F'[x+]' '{ printf "%d %d %d %d\n", $3 - 1, $4 - 1, $3 - 1 + $1, $4 - 1 + $2 }'
}

# Waits up to 2 seconds for the program to exit; its status must be 0.
expect_exit_zero() {
    for _ in $(seq 20); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "still running 2 s after $1"
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=
    [ "$status" -eq 0 ] || fail "exit status $status after $1"
    echo "ok: $1 ends the program with status 0"
}

# The layout table, read once from the program that prints it ($LAYOUT_TABLE).
# rect NAME: the control's rectangle in window pixels, left top width
# height, at the zoom the window draws its layout at ($ZOOM, default 1);
# rect form: the whole layout's; rect picture: the room of the body water's picture.
rect() {
    [ -s "$WORK/layout" ] || "$LAYOUT_TABLE" >"$WORK/layout" || fail "no layout table"
    awk -F'\t' -v name="$1" -v zoom="${ZOOM:-1}" '
        function px(v) { return int(v * zoom + 0.5) }
        $1 == "form" && name == "form" { print 0, 0, px($2), px($3) }
        $1 == "control" && $3 == name { print px($5), px($6), px($7), px($8) }
        $1 == "picture" && name == "picture" { print px($2), px($3), px($4), px($5) }' "$WORK/layout"
}

window_height() {
    xdotool getwindowgeometry --shell "$WINDOW" | sed -n 's/^HEIGHT=//p'
}

# The zoom a window of the current size draws its layout at, in screen
# pixels at the scale factor $SCALE (default 1), by the core's rule.
window_zoom() {
    "$LAYOUT_TABLE" --zoom-to-fit "$(window_width)" "$(window_height)" "${SCALE:-1}"
}
