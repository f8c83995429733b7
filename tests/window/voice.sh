#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The voice through the real Qt speech plugin, heard by a stand-in speech
# service that writes down what it is asked to say. With --voce the task is
# said as the exercise opens, the verdict once, Ctrl+L says the task again;
# without --voce only Ctrl+L speaks; under a screen reader nothing does; and
# a service that never answers costs one line on the error output.
set -u
program=$1
here=$(dirname "$0")
source "$here/session.sh"
start_accessible_session 1024x768 "$@"

work=$(mktemp -d)
heard=$work/heard
python3 "$here/speechd.py" "$work/speech.sock" "$heard" &
service=$!
python3 "$here/speechd.py" "$work/mute.sock" "$work/mute" --mute &
mute=$!
trap 'kill ${pid:-} $service $mute $launcher_pid 2>/dev/null; rm -rf "$work"' EXIT
export SPEECHD_ADDRESS=unix_socket:$work/speech.sock
for _ in $(seq 50); do [ -S "$work/speech.sock" ] && [ -S "$work/mute.sock" ] && break; sleep 0.1; done

said() { grep '^SPEAK ' "$heard" 2>/dev/null | sed 's/^SPEAK //'; }
# Waits up to 5 s for the service to have heard $1 lines in all.
wait_said() {
    for _ in $(seq 50); do [ "$(said | wc -l)" -ge "$1" ] && return 0; sleep 0.1; done
    return 1
}
# Opens "Trovo la frazione complementare" from the menu with the keys.
open_exercise() {
    local menu
    menu=$(wait_window "Le quotelle") || fail "the menu did not appear"
    xdotool key --window "$menu" Tab space
    exercise=$(wait_window "Trovo la frazione complementare") || fail "the exercise did not open"
}
task='^(un|[0-9]+) [a-zè]+$'

"$program" --voce 2>"$work/errors" &
pid=$!
open_exercise
wait_said 3 || fail "with --voce, heard only: $(said)"
grep -qx 'SET SELF LANGUAGE it.*' "$heard" || fail "the voice is not Italian: $(grep LANGUAGE "$heard")"
grep -qx 'SET SELF RATE -30' "$heard" || fail "the pace is not the child's: $(grep RATE "$heard")"
# The focused picture button's name, then the one Tab moved to, then the task.
[ "$(said | sed -n 1,2p | paste -sd,)" = "Calcolo le quotelle,Trovo la frazione complementare" ] \
    || fail "the menu's buttons were not named: $(said)"
first=$(said | sed -n 3p)
[[ $first =~ $task ]] || fail "the task was heard as «$first»"
xdotool key --window "$exercise" alt+c
wait_said 4 && [ "$(said | sed -n 4p)" = "Sbagliato, riprova!" ] || fail "no verdict heard: $(said)"
xdotool key --window "$exercise" ctrl+l
wait_said 5 && [ "$(said | sed -n 5p)" = "$first" ] || fail "Ctrl+L did not repeat the task: $(said)"
sleep 0.5
[ "$(said | wc -l)" -eq 5 ] || fail "something was said twice: $(said)"
if grep -v XDG_RUNTIME "$work/errors" | grep -q .; then
    fail "complained with a working service: $(cat "$work/errors")"
fi
kill "$pid"; wait "$pid" 2>/dev/null

# Without --voce: silent until Ctrl+L.
: >"$heard"
"$program" &
pid=$!
open_exercise
sleep 1
[ -z "$(said)" ] || fail "without --voce it said: $(said)"
xdotool key --window "$exercise" ctrl+l
wait_said 1 && [[ $(said) =~ $task ]] || fail "Ctrl+L without --voce said: $(said)"

# A screen reader starts: the program's own voice leaves the speaking to it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled \
    variant:boolean:true >/dev/null || fail "could not tell the bus a screen reader runs"
sleep 0.5
xdotool key --window "$exercise" ctrl+l
sleep 1
[ "$(said | wc -l)" -eq 1 ] || fail "it spoke over a screen reader: $(said)"
kill "$pid"; wait "$pid" 2>/dev/null
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled \
    variant:boolean:false >/dev/null

# A service that never answers: the screens work, one line says why it is silent.
SPEECHD_ADDRESS=unix_socket:$work/mute.sock "$program" --voce 2>"$work/errors" &
pid=$!
open_exercise
xdotool key --window "$exercise" ctrl+l alt+c
for _ in $(seq 150); do grep -q "non risponde" "$work/errors" && break; sleep 0.1; done
[ "$(grep -c '^quotelle:' "$work/errors")" -eq 1 ] \
    || fail "a silent service was not told once: $(cat "$work/errors")"
xdotool key --window "$exercise" Escape
wait_window "Le quotelle" >/dev/null || fail "the screens stopped answering"
kill "$pid"
wait_exit "$pid" || fail "the program did not end"
echo "voice test passed"
