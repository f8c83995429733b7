#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How soon the voice's words reach the speech service after a window shows:
# the program runs with --voce on a private Xvfb with openbox, against the
# stand-in speech service of the window tests, which stamps each text it
# receives. Each run opens the menu and one exercise with the keys; a
# negative time means the words came before the window was on the display.
#   tools/voicelatency.sh PROGRAM [RUNS]
set -u
program=$1
runs=${2:-20}
tests=$(dirname "$0")/../tests/window
source "$tests/session.sh"
start_session 1024x768

work=$(mktemp -d)
python3 "$tests/speechd.py" "$work/speech.sock" "$work/heard" --stamp &
service=$!
trap 'kill ${pid:-} $service $wm_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
export SPEECHD_ADDRESS=unix_socket:$work/speech.sock
sleep 0.5

# Prints the time the window titled $1 is first seen on the display.
shown_at() {
    while ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do :; done
    date +%s.%N
}
# Prints the time of the first text the service received, waiting up to 5 s.
first_said() {
    for _ in $(seq 500); do
        local t
        t=$(awk '$2 == "SPEAK" { print $1; exit }' "$work/heard")
        [ -n "$t" ] && { echo "$t"; return; }
        sleep 0.01
    done
    echo never
}

for run in $(seq "$runs"); do
    : >"$work/heard"
    "$program" --voce 2>>"${ERRORS:-/dev/null}" &
    pid=$!
    menu_shown=$(shown_at "Le quotelle")
    menu_said=$(first_said)
    sleep 0.5
    xdotool key --window "$(xdotool search --onlyvisible --name '^Le quotelle$')" Tab space
    exercise_shown=$(shown_at "Trovo la frazione complementare")
    sleep 0.2
    exercise_said=$(awk '$2 == "SPEAK" { t = $1 } END { print t }' "$work/heard")
    kill "$pid"
    wait "$pid" 2>/dev/null
    awk -v r="$run" -v ms="$menu_shown" -v md="$menu_said" -v es="$exercise_shown" \
        -v ed="$exercise_said" \
        'BEGIN { printf "run %2d  menu %+7.1f ms  exercise task %+7.1f ms\n", r, (md - ms) * 1000, (ed - es) * 1000 }'
done
