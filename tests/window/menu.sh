#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
# The outer frame is centred on the 1024 x 768 display, within a pixel.
centred=no
for _ in $(seq 30); do
    read -r x y w h < <(window_frame "$menu")
    dx=$((x * 2 + w - 1024)); dy=$((y * 2 + h - 768))
    if [ ${dx#-} -le 2 ] && [ ${dy#-} -le 2 ]; then centred=yes; break; fi
    sleep 0.1
done
[ "$centred" = yes ] || fail "menu not centred: frame at $x,$y size ${w}x$h"

# cmdconfronto: left 4080, top 4440, 2055 x 1935 twips; click its middle.
click_client "$menu" $(((4080 + 2055 / 2) / 15)) $(((4440 + 1935 / 2) / 15))
choice=$(wait_window "Confronto le quotelle") || fail "the compare choice did not open"
# Later screens know the frame from the start and open centred too.
read -r x y w h < <(window_frame "$choice")
dx=$((x * 2 + w - 1024)); dy=$((y * 2 + h - 768))
[ ${dx#-} -le 2 ] && [ ${dy#-} -le 2 ] || fail "choice not centred: frame at $x,$y size ${w}x$h"

xdotool windowactivate --sync "$menu" 2>/dev/null
sleep 0.3
xdotool key Escape
wait_exit "$pid" || fail "Esc on the menu did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "window test passed"
