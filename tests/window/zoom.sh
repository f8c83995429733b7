#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The zoom in a real window, under Xvfb with openbox: Ctrl and + (its own
# key, the keypad's, and = as on an American keyboard) grows the menu and the
# screens opened after it, each centred on the display, never past it; a
# click on a grown answer box types into it, as a screen reader reads back.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

start_accessible_session 1600x1200 "$@"
"$program" &
pid=$!

# Waits until window $1 has the client size $2 x $3 and its frame is centred
# on the 1600 x 1200 display, within a pixel, and lies wholly on it.
expect_window() {
    local x y w h cw ch
    for _ in $(seq 50); do
        cw=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
        ch=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
        read -r x y w h < <(window_frame "$1")
        dx=$((x * 2 + w - 1600)); dy=$((y * 2 + h - 1200))
        if [ "$cw" -eq "$2" ] && [ "$ch" -eq "$3" ] && [ ${dx#-} -le 2 ] && [ ${dy#-} -le 2 ] \
            && [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1600 ] \
            && [ $((y + h)) -le 1200 ]; then
            return 0
        fi
        sleep 0.1
    done
    fail "$4: client ${cw}x$ch, frame at $x,$y size ${w}x$h; expected client ${2}x$3, centred"
}

# The text of the answer box a screen reader calls $1.
box_text() {
    /usr/bin/python3 - "$1" <<'PYTHON'
import sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

def walk(node):
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i))

for app in walk(Atspi.get_desktop(0)):
    if app.get_role() == Atspi.Role.TEXT and app.get_name() == sys.argv[1]:
        print(Atspi.Text.get_text(app, 0, -1))
        break
PYTHON
}

menu=$(wait_window "Le quotelle") || fail "the main menu did not appear"
expect_window "$menu" 708 479 "menu at 100 %"
# An American keyboard first: + is Shift and =.
xdotool key ctrl+shift+equal
expect_window "$menu" 885 599 "menu after Ctrl, Shift and ="
xdotool key ctrl+equal
expect_window "$menu" 1062 719 "menu after Ctrl and ="
xdotool key ctrl+shift+minus
expect_window "$menu" 885 599 "menu after Ctrl, Shift and -"
xdotool key ctrl+KP_Add
expect_window "$menu" 1062 719 "menu after Ctrl and the keypad's +"
xdotool key ctrl+KP_Subtract
expect_window "$menu" 885 599 "menu after Ctrl and the keypad's -"
# Then an Italian one, where + has a key of its own.
setxkbmap it
xdotool key ctrl+plus ctrl+plus ctrl+plus
expect_window "$menu" 1416 958 "menu at 200 %"
# 250 % would need 1770 pixels of width: the step is not taken.
xdotool key ctrl+plus
sleep 0.3
expect_window "$menu" 1416 958 "menu after a step too large"
xdotool key ctrl+minus ctrl+minus
expect_window "$menu" 1062 719 "menu back at 150 %"

# cmdcalcolo: left 4080, top 2040, 2055 x 1935 twips; at 150 % a twip is a tenth of a pixel.
click_client "$menu" $(((4080 + 2055 / 2) / 10)) $(((2040 + 1935 / 2) / 10))
choice=$(wait_window "Calcolo le quotelle") || fail "the range choice did not open"
expect_window "$choice" 339 221 "range choice at 150 %"
# cmd100: left 360, top 1200, 1215 x 615.
click_client "$choice" $(((360 + 1215 / 2) / 10)) $(((1200 + 615 / 2) / 10))
exercise=$(wait_window "Calcolo le quotelle entro il 100") || fail "the exercise did not open"
expect_window "$exercise" 1062 719 "exercise at 150 %"
# txtden: left 2640, top 3120, 615 x 615.
click_client "$exercise" $(((2640 + 615 / 2) / 10)) $(((3120 + 615 / 2) / 10))
xdotool type 7
sleep 0.3
typed=$(box_text "divisione, divisore")
[ "$typed" = 7 ] || fail "a click on the grown box and 7 left \"$typed\" in it"

xdotool key ctrl+0
expect_window "$exercise" 708 479 "exercise after Ctrl+0"
# --lim: 200 %, as 250 % does not fit, and the number pad on the exercises: a click on its
# 4 (at 1358, 3577 in twips, the pad having a row for "?") types into the box with the focus,
# until Ctrl+T hides it.
kill "$pid"
"$program" --lim &
pid=$!
menu=$(wait_window "Le quotelle") || fail "--lim opened no menu"
expect_window "$menu" 1416 958 "menu with --lim"
click_client "$menu" $(((7200 + 2055 / 2) * 2 / 15)) $(((2040 + 1935 / 2) * 2 / 15))
exercise=$(wait_window "Trovo la frazione complementare") || fail "cmdtrovo opened nothing"
for keys in "" ctrl+t; do
    [ -z "$keys" ] || xdotool key "$keys"
    click_client "$exercise" $((1358 * 2 / 15)) $((3577 * 2 / 15))
    sleep 0.3
    [ "$(box_text "numeratore della frazione complementare")" = 4 ] || fail "the pad's 4, $keys"
done
echo "window test passed"
