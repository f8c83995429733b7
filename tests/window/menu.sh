#!/usr/bin/env bash
# The real program in a real window: under Xvfb with openbox, driven by
# xdotool as a child would. The menu appears centred, a click on the compare
# picture opens "Confronto le quotelle", Esc on the menu ends the program.
set -u
program=$1
source "$(dirname "$0")/session.sh"

start_session
"$program" &
pid=$!

menu=$(wait_window "Le quotelle") || fail "the main menu did not appear"
# The outer frame is centred on the 1024 x 768 display, within a pixel, once
# the window manager has told its frame (up to 3 s on a loaded machine).
for _ in $(seq 30); do
    read -r x y w h < <(window_frame "$menu")
    cx=$((x * 2 + w)); cy=$((y * 2 + h))
    [ $((cx - 1024)) -ge -2 ] && [ $((cx - 1024)) -le 2 ] && [ $((cy - 768)) -ge -2 ] \
        && [ $((cy - 768)) -le 2 ] && break
    sleep 0.1
done
[ $((cx - 1024)) -ge -2 ] && [ $((cx - 1024)) -le 2 ] || fail "menu not centred across: $x $w"
[ $((cy - 768)) -ge -2 ] && [ $((cy - 768)) -le 2 ] || fail "menu not centred down: $y $h"

# cmdconfronto: left 4080, top 4440, 2055 x 1935 twips; click its middle.
click_client "$menu" $(((4080 + 2055 / 2) / 15)) $(((4440 + 1935 / 2) / 15))
wait_window "Confronto le quotelle" >/dev/null || fail "the compare choice did not open"

xdotool windowactivate --sync "$menu" 2>/dev/null
xdotool key --window "$menu" Escape
wait_exit "$pid" || fail "Esc on the menu did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "window test passed"
