#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# At the whiteboard, in a real window under Xvfb with openbox: --lim opens the
# menu as large as the display allows and the exercise with its number pad;
# clicks on the pad type into the box with the focus, which keeps it; Ctrl+T
# hides the pad and shows it again.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

start_accessible_session 1600x1200 "$@"
"$program" --lim &
pid=$!

menu=$(wait_window "Le quotelle") || fail "the main menu did not appear"
# 200 %: 250 % would need 1770 pixels of width.
size=$(xwininfo -id "$menu" | sed -n 's/.*Width: *//p;s/.*Height: *//p' | paste -sd x)
[ "$size" = 1416x958 ] || fail "--lim opened the menu at ${size}, not at 200 %"
# cmdtrovo: left 7200, top 2040, 2055 x 1935 twips; at 200 % 15 twips are 2 pixels.
click_client "$menu" $(((7200 + 2055 / 2) * 2 / 15)) $(((2040 + 1935 / 2) * 2 / 15))
wait_window "Trovo la frazione complementare" >/dev/null || fail "the exercise did not open"

box="numeratore della frazione complementare"
# Presses the pad's key $1 where a screen reader finds it.
press() {
    local where
    where=$(accessible centre "$1")
    [ -n "$where" ] || fail "no key \"$1\" on the display"
    xdotool mousemove $where click 1
    sleep 0.2
}
press 7
press Cancella
press 4
press 2
[ "$(accessible text "$box")" = 42 ] || fail "the pad typed \"$(accessible text "$box")\""
four=$(accessible centre 4)
xdotool key ctrl+t
sleep 0.3
[ -z "$(accessible centre 4)" ] || fail "Ctrl+T left the pad on the display"
xdotool mousemove $four click 1
xdotool type 5
xdotool key ctrl+t
sleep 0.3
press 6
# The key typed into the box still has the focus: the illustration took no click.
[ "$(accessible text "$box")" = 4256 ] || fail "after Ctrl+T twice the box holds \"$(accessible text "$box")\""
echo "window test passed"
