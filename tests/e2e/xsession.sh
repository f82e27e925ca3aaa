# Sourced by the end-to-end tests: a private X server with a window manager,
# and helpers to drive and look at the real program in it.

WORK=$(mktemp -d)
XVFB_PID=
WM_PID=
APP_PID=
WINDOW=

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb at 1280 x 1024 on a free display, and openbox in it.
start_x() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    [ -s "$WORK/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$WORK/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start"
}

# Starts the program and waits for its window, maximized.
start_app() {
    "$APP" 2>"$WORK/stderr" &
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

# Counts pixels of the last screenshot inside a rectangle (left top width height).
count_red() {
    convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -fill black +opaque '#FF0000' \
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
