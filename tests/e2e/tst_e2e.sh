#!/usr/bin/env bash
# The real program in a real X server, driven as a student drives it: mouse
# clicks on every step, the keyboard alone, and closing the window.
# Usage: tst_e2e.sh PATH-TO-COMPARTICA
set -uo pipefail
APP=$1
source "$(dirname "$0")/xsession.sh"

# Window pixels of the panels and buttons.
QUESTIONS=(0 0 825 593)
ANSWER=(8 600 825 161)
END=(872 696 121 33)
SEQUENCE=(seeanswer1 hideanswer1 seeanswer2 hideanswer2 seeanswer3 hideanswer3
          seeanswer4 hideanswer4 seeanswer5 hideanswer5 seeanswer6 hideanswer6)
button_rect() { # index in SEQUENCE
    echo 872 $((120 + 40 * $1)) 121 33
}

# Checks the screen at a stage: which sequence button is drawn (index, or
# -1 for none) and whether the answer panel holds red text.
check_stage() {
    local visible=$1 red_expected=$2 what=$3 i drawn red
    for i in "${!SEQUENCE[@]}"; do
        drawn=$(count_not_white $(button_rect "$i"))
        if [ "$i" -eq "$visible" ]; then
            [ "$drawn" -gt 200 ] || fail "$what: ${SEQUENCE[$i]} is not drawn"
        else
            [ "$drawn" -eq 0 ] || fail "$what: ${SEQUENCE[$i]} is drawn ($drawn pixels)"
        fi
    done
    [ "$(count_not_white "${END[@]}")" -gt 200 ] || fail "$what: end is not drawn"
    red=$(count_red "${ANSWER[@]}")
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

echo "# mouse: every step clicked, then end"
start_app
await_stage 0 no "start"
dark=$(count_dark "${QUESTIONS[@]}")
[ "$dark" -gt 1000 ] || fail "the case text is not on screen ($dark dark pixels)"
for step in 0 1 2 3 4 5 6; do
    click_at $(button_rect "$step")
    if [ $((step % 2)) -eq 0 ]; then
        next=$((step + 1)); [ "$step" -eq 6 ] && next=-1
        await_stage "$next" yes "after ${SEQUENCE[$step]}"
        now=$(count_dark "${QUESTIONS[@]}")
        [ "$now" -eq "$dark" ] || fail "the question panel changed on ${SEQUENCE[$step]}"
    else
        await_stage $((step + 1)) no "after ${SEQUENCE[$step]}"
        now=$(count_dark "${QUESTIONS[@]}")
        [ "$now" -gt "$dark" ] || fail "no new question after ${SEQUENCE[$step]}"
        dark=$now
    fi
    echo "ok: ${SEQUENCE[$step]}"
done
cp "$WORK/shot.png" "${E2E_SHOTS:-$WORK}/answer4.png" 2>/dev/null
click_at "${END[@]}"
expect_exit_zero "a click on end"
[ -s "$WORK/stderr" ] && { cat "$WORK/stderr" >&2; fail "the program wrote to stderr"; }

echo "# window system: the window is closed through its frame"
start_app
click_at $(button_rect 0)
await_stage 1 yes "after seeanswer1"
wmctrl -c Compartica || fail "wmctrl could not close the window"
expect_exit_zero "closing the window"

echo "# keyboard: Space seven times, then Tab to end"
start_app
xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowfocus --sync "$WINDOW"
for step in 0 1 2 3 4 5 6; do
    xdotool key space
    if [ $((step % 2)) -eq 0 ]; then
        next=$((step + 1)); [ "$step" -eq 6 ] && next=-1
        await_stage "$next" yes "after Space on ${SEQUENCE[$step]}"
    else
        await_stage $((step + 1)) no "after Space on ${SEQUENCE[$step]}"
    fi
done
echo "ok: seven Spaces reach answer 4"
xdotool key space
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "an eighth Space ended the program"
await_stage -1 yes "after an eighth Space"
xdotool key Tab
sleep 0.2
xdotool key space
expect_exit_zero "Tab to end, then Space"
echo "e2e: 3 runs passed"
