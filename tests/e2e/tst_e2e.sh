#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server, driven as a student drives it: mouse
# clicks on every step, the keyboard alone (a held key too), closing the
# window, screens smaller than the layout, desktop scale factors, and a
# server without a window manager, where the program fills the screen itself.
# Usage: tst_e2e.sh PATH-TO-COMPARTICA PATH-TO-LAYOUT-TABLE
set -uo pipefail
APP=$1
LAYOUT_TABLE=$2
source "$(dirname "$0")/xsession.sh"

SEQUENCE=(seeanswer1 hideanswer1 seeanswer2 hideanswer2 seeanswer3 hideanswer3
          seeanswer4 hideanswer4 seeanswer5 hideanswer5 seeanswer6 hideanswer6)

# Checks the screen at a stage: which sequence button is drawn (index, or
# -1 for none: answer 4 is shown, and the picture of the body water takes
# the button column's room) and whether the answer panel holds red text.
# Before answer 4 that room holds the one button and nothing else.
check_stage() {
    local visible=$1 red_expected=$2 what=$3 i drawn red room left top width height
    room=$(count_not_white $(rect picture))
    if [ "$visible" -eq -1 ]; then
        [ "$room" -gt 5000 ] || fail "$what: no picture of the body water ($room pixels)"
    fi
    for i in "${!SEQUENCE[@]}"; do
        [ "$visible" -eq -1 ] && break
        drawn=$(count_not_white $(rect "${SEQUENCE[$i]}"))
        if [ "$i" -eq "$visible" ]; then
            [ "$drawn" -gt 200 ] || fail "$what: ${SEQUENCE[$i]} is not drawn"
            # The button's edge may fall a pixel outside its rounded rectangle.
            read -r left top width height <<<"$(rect "${SEQUENCE[$i]}")"
            drawn=$(count_not_white $((left - 2)) $((top - 2)) $((width + 4)) $((height + 4)))
            [ "$room" -eq "$drawn" ] || fail "$what: ink beside ${SEQUENCE[$i]} in the picture's room"
        else
            [ "$drawn" -eq 0 ] || fail "$what: ${SEQUENCE[$i]} is drawn ($drawn pixels)"
        fi
    done
    [ "$(count_not_white $(rect end))" -gt 200 ] || fail "$what: end is not drawn"
    red=$(count_red $(rect Picture3))
    if [ "$red_expected" = yes ]; then
        [ "$red" -gt 100 ] || fail "$what: no red answer text ($red pixels)"
    else
        [ "$red" -eq 0 ] || fail "$what: the answer panel is not blank ($red red pixels)"
    fi
}

# Waits for a stage to show: screenshots until check_stage passes (3 s).
await_stage() {
    local tries
    for tries in $(seq 30); do
        shot
        (check_stage "$@") 2>/dev/null && return 0
        sleep 0.1
    done
    check_stage "$@"
}

start_x

# Clicks every step from question 1 to answer 4, checking each stage and
# the question panel; runs "on_answer N" with each answer N (0 to 3) shown.
click_through() {
    local step next now dark
    dark=$(count_dark $(rect Picture1))
    [ "$dark" -gt 1000 ] || fail "the case text is not on screen ($dark dark pixels)"
    for step in 0 1 2 3 4 5 6; do
        click_at $(rect "${SEQUENCE[$step]}")
        if [ $((step % 2)) -eq 0 ]; then
            next=$((step + 1)); [ "$step" -eq 6 ] && next=-1
            await_stage "$next" yes "after ${SEQUENCE[$step]}${ZOOM:+ at zoom $ZOOM}"
            on_answer $((step / 2))
            now=$(count_dark $(rect Picture1))
            [ "$now" -eq "$dark" ] || fail "the question panel changed on ${SEQUENCE[$step]}"
        else
            await_stage $((step + 1)) no "after ${SEQUENCE[$step]}"
            now=$(count_dark $(rect Picture1))
            [ "$now" -gt "$dark" ] || fail "no new question after ${SEQUENCE[$step]}"
            dark=$now
        fi
        [ -n "${ZOOM:-}" ] || echo "ok: ${SEQUENCE[$step]}"
    done
}

echo "# mouse: every step clicked, then end"
start_app
await_stage 0 no "start"
# Where the ink of the case and of each answer lies at full size, to compare
# with smaller screens.
case_box=$(ink_box $(rect Picture1))
on_answer() { answer_box[$1]=$(ink_box $(rect Picture3)); }
click_through
cp "$WORK/shot.png" "${E2E_SHOTS:-$WORK}/answer4.png" 2>/dev/null
click_at $(rect end)
expect_exit_zero "a click on end"
[ -s "$WORK/stderr" ] && { cat "$WORK/stderr" >&2; fail "the program wrote to stderr"; }

echo "# window system: the window is closed through its frame"
start_app
click_at $(rect seeanswer1)
await_stage 1 yes "after seeanswer1"
wmctrl -c Compartica || fail "wmctrl could not close the window"
expect_exit_zero "closing the window"

echo "# keyboard: Space held down, Space six times more, then Tab to end"
start_app
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowfocus --sync "$WINDOW"
# Held past the auto-repeat delay (660 ms on Xvfb), the key repeats several
# times; it still makes one step.
xdotool keydown space
sleep 1.2
xdotool keyup space
sleep 0.3
await_stage 1 yes "after Space held down for 1.2 s"
echo "ok: a held Space makes one step"
for step in 1 2 3 4 5 6; do
    xdotool key space
    if [ $((step % 2)) -eq 0 ]; then
        next=$((step + 1)); [ "$step" -eq 6 ] && next=-1
        await_stage "$next" yes "after Space on ${SEQUENCE[$step]}"
    else
        await_stage $((step + 1)) no "after Space on ${SEQUENCE[$step]}"
    fi
done
echo "ok: seven steps by Space reach answer 4"
xdotool key space
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "an eighth Space ended the program"
await_stage -1 yes "after an eighth Space"
xdotool key Tab
sleep 0.2
xdotool key space
expect_exit_zero "Tab to end, then Space"

# Whether a box of ink measured at $ZOOM is the full-size box drawn smaller,
# within 2 pixels on each edge flagged 1 (left top right bottom).
scaled() { # full-size box, box now, edges
    awk -v z="$ZOOM" -v full="$1" -v now="$2" -v edges="$3" 'BEGIN {
        split(full, f); split(now, n); split(edges, e)
        for (i = 1; i <= 4; i++) if (e[i] && (n[i] - z * f[i] > 2 || z * f[i] - n[i] > 2)) exit 1
    }'
}

# Screens smaller than the layout, and desktop scale factors (Qt's own
# above 1, the window's own below): the whole layout, text and emblem
# included, is drawn at the zoom, so "end" and every line are on screen. The
# case's longest line reads the same for every patient, so its box compares
# on all four edges; an answer's longest line ends in the patient's
# numbers, so its right edge need only lie inside the panel.
for screen in "1366x768 40 1" "1024x600 0 1" "1280x1024 0 0.5" "1280x1024 0 0.75" "1280x1024 0 1.5"; do
    read -r size strip SCALE <<<"$screen"
    echo "# a $size screen, $strip pixels reserved by a panel, scale factor $SCALE"
    stop_x
    start_x "$size" "$strip"
    QT_SCALE_FACTOR=$SCALE start_app
    ZOOM=$(window_zoom)
    awk -v z="$ZOOM" 'BEGIN { exit !(z != 1) }' || fail "the layout is drawn at full size"
    read -r left top width height <<<"$(rect end)"
    [ $((top + height)) -le "$(window_height)" ] || fail "end runs off the window"
    read -r left top width height <<<"$(rect Picture3)"
    [ $((top + height)) -le "$(window_height)" ] || fail "the answer panel runs off the window"
    await_stage 0 no "start at zoom $ZOOM"
    # The emblem is about half ink, a third of it dark: not a black box.
    read -r _ _ width height <<<"$(rect Picture2)"
    drawn=$(count_not_white $(rect Picture2)) dark=$(count_dark $(rect Picture2))
    [ "$drawn" -gt $((width * height / 4)) ] && [ "$dark" -lt $((width * height * 2 / 3)) ] ||
        fail "at zoom $ZOOM the emblem is not drawn ($drawn pixels of ink, $dark dark)"
    box=$(ink_box $(rect Picture1))
    scaled "$case_box" "$box" "1 1 1 1" ||
        fail "at zoom $ZOOM the case's ink lies at $box, not at $ZOOM x ($case_box)"
    on_answer() {
        local box right width
        box=$(ink_box $(rect Picture3))
        read -r _ _ width _ <<<"$(rect Picture3)"
        scaled "${answer_box[$1]}" "$box" "1 1 0 1" ||
            fail "at zoom $ZOOM answer $(($1 + 1))'s ink lies at $box, not at $ZOOM x (${answer_box[$1]})"
        read -r _ _ right _ <<<"$box"
        [ "$right" -le $((width - 3)) ] || fail "answer $(($1 + 1)) is cut at the panel's edge"
    }
    click_through
    echo "ok: zoom $ZOOM draws the emblem, the case and answers 1 to 4 whole, at the zoom, with end on screen"
    click_at $(rect end)
    expect_exit_zero "a click on end at zoom $ZOOM"
done
unset SCALE ZOOM
echo "# an X server without a window manager"
stop_x
start_x 1280x1024 nowm
# With no client connected, the server keeps what the last one left: a
# server that resets then drops a client that connects during the reset.
xprop -root -f _COMPARTICA_KEPT 8s -set _COMPARTICA_KEPT yes
xprop -root _COMPARTICA_KEPT | grep -q '"yes"' || fail "the server reset when its last client left"
echo "ok: the server keeps its state while no client is connected"
start_app
click_at $(rect seeanswer1)
await_stage 1 yes "after seeanswer1 without a window manager"
click_at $(rect end)
expect_exit_zero "a click on end without a window manager"

echo "# practice: typed into with xdotool, checked with Return"
stop_x
start_x
start_app --practice
# Question 1's fields hold the keyboard focus and their labels; a check
# writes a verdict below each field, and the worked answer comes in red.
await_ink() {
    local tries now
    for tries in $(seq 30); do
        shot
        now=$(count_dark $(rect Picture3))
        [ "$now" -gt "$1" ] && return 0
        sleep 0.1
    done
    fail "$2 ($now dark pixels in the answer panel, $1 before)"
}
await_ink 300 "question 1's fields are not drawn"
fields=$(count_dark $(rect Picture3))
xdotool windowfocus --sync "$WINDOW"
xdotool type --delay 30 "4x"
xdotool key Tab
xdotool type --delay 30 "0,5"
xdotool key Return
await_ink $((fields + 1000)) "Return wrote no verdicts"
echo "ok: practice: the fields drawn, typed into, and Return checks them ($fields dark pixels, then more)"
click_at $(rect seeanswer1)
await_stage 1 yes "after seeanswer1 in practice"
click_at $(rect end)
expect_exit_zero "a click on end in practice"
echo "e2e: 10 runs passed"
