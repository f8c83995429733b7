#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Trips between the menu and the exercises in a real window, under Xvfb with
# openbox, left by Esc, Alt+F, Enter on Fine and the close box, each racing a
# typed burst. Characters outside the keymap make xdotool remap a key, and
# openbox reloads its keyboard map at every remapping: a busy window manager,
# slow to map a new window. The child must never be left with no window of the
# program: between two screens, none may be missing for more than 200 ms.
set -u
program=$1
trips=${2:-100}
source "$(dirname "$0")/session.sh"

start_accessible_session 1024x768 "$@"

# Prints, as each window comes, for how many ms none was there. A window
# is on the display from when openbox maps its frame until the program
# withdraws it (the synthetic UnmapNotify a client sends as it hides one).
watch_gaps() {
    local -A frame shown
    local kind="" line w since=""
    while IFS= read -r line; do
        case $line in
        ReparentNotify*) kind=reparent ;;
        MapNotify*) kind=map ;;
        UnmapNotify*"synthetic YES"*) kind=withdraw ;;
        *"window 0x"*)
            w=${line#*window }
            w=${w%%,*}
            if [ "$kind" = reparent ]; then
                line=${line#*parent }
                frame[${line%%,*}]=$w
            elif [ "$kind" = map ] && [ -n "${frame[$w]:-}" ]; then
                shown[${frame[$w]}]=1
                echo $((${since:+(${EPOCHREALTIME/./} - ${since/./}) / 1000}))
                since=""
            elif [ "$kind" = withdraw ] && [ -n "${shown[$w]:-}" ]; then
                unset "shown[$w]"
                [ ${#shown[@]} -eq 0 ] && since=$EPOCHREALTIME
            fi
            kind="" ;;
        *) kind="" ;;
        esac
    done
}

gaps=$(mktemp)
stdbuf -oL xev -root -event substructure 2>/dev/null | watch_gaps >"$gaps" &
sleep 0.5
"$program" &
pid=$!

# Waits until the window titled $1 has the keyboard. On a loaded machine
# openbox now and then leaves it with none after a change of screens: the
# window is there, and is given the keyboard as a click would give it.
wait_active() {
    for k in $(seq 1000); do
        [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ] && return 0
        [ "$k" = 500 ] && w=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
        if [ "$k" = 500 ] && [ -n "$w" ]; then
            echo "trip $trip: \"$1\" shown without the keyboard"
            xdotool windowactivate "$w" 2>/dev/null
        fi
        sleep 0.02
    done
    xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed 's/^/shown: /'
    fail "trip $trip: \"$1\" never got the keyboard"
}

bursts=("3à" $'è\t7' "1ù" $'2\nò' "ß4" $'\t€')
start=$SECONDS
for trip in $(seq "$trips"); do
    burst=${bursts[trip % ${#bursts[@]}]}
    wait_active "Le quotelle"
    if [ $((trip % 4)) -eq 0 ]; then
        # The range choice opens over the menu; the menu's close box closes
        # the menu only, and 100 (left 360, top 1200, 1215 x 615) leaves the
        # choice for the exercise.
        xdotool key Return
        wait_active "Calcolo le quotelle"
        choice=$(xdotool getactivewindow)
        read -r x y w _ < <(window_frame "$(xdotool search --name '^Le quotelle$')")
        xdotool type "$burst"
        xdotool mousemove $((x + w - 10)) $((y + 10)) click 1
        # A busy openbox may still hold the pointer for its close button.
        for _ in $(seq 250); do
            [ -z "$(xdotool search --onlyvisible --name '^Le quotelle$' 2>/dev/null)" ] && break
            sleep 0.02
        done
        click_client "$choice" 64 100
        wait_active "Calcolo le quotelle entro il 100"
        # Conferma moves the focus to txtiniz, and Shift+Tab goes back to Fine.
        xdotool type "$burst"
        xdotool key alt+c
        sleep 0.3
        xdotool key shift+Tab
        xdotool key Return
        continue
    fi
    xdotool key Tab Return
    wait_active "Trovo la frazione complementare"
    xdotool type "$burst"
    xdotool type "$burst"
    [ $((trip % 2)) -eq 0 ] && xdotool key Escape || xdotool key alt+f
done
wait_active "Le quotelle"
seconds=$((SECONDS - start))
kill "$pid"
sleep 0.5
longest=$(sort -n "$gaps" | tail -n 1)
echo "$trips trips in $seconds s, longest time with no window: ${longest:-0} ms"
[ "$(grep -c . "$gaps")" -ge "$trips" ] || fail "the watcher saw too few windows come"
[ "${longest:-0}" -le 200 ] || fail "no window for $longest ms between two screens"
echo "window test passed"
