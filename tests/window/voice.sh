#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The voice through the real Qt speech plugin, heard by a stand-in speech
# service: with --voce the menu names its buttons, the task is said as the
# exercise opens, the verdict once, Ctrl+L says the task again; under a
# screen reader nothing is said; a service that never answers costs one line.
set -u
program=$1
here=$(dirname "$0")
source "$here/session.sh"
start_accessible_session 1024x768 "$@"
python3 "$here/speechd.py" "$HOME/speech.sock" "$HOME/heard" &
python3 "$here/speechd.py" "$HOME/mute.sock" "$HOME/mute" --mute &
python3 "$here/speechd.py" "$HOME/dying.sock" "$HOME/dying" --die-after 3 &
trap 'kill ${pid:-} $(jobs -p) $launcher_pid 2>/dev/null' EXIT
export SPEECHD_ADDRESS=unix_socket:$HOME/speech.sock
sleep 0.5

# Tells the accessibility bus that a screen reader runs, or no longer does.
screen_reader() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
        string:ScreenReaderEnabled "variant:boolean:$1" >/dev/null || fail "the bus said no to $1"
}
said() { sed -n 's/^SPEAK //p' "$HOME/heard" 2>/dev/null | paste -sd'|'; }
# Opens "Trovo la frazione complementare" from the menu with the keys, then
# presses the keys given, one by one.
open_exercise() {
    # A pointer resting on a picture button would have its name said too.
    xdotool mousemove 0 0
    "$program" --voce 2>"$HOME/errors" &
    pid=$!
    menu=$(wait_window "Le quotelle") || fail "the menu did not appear"
    xdotool key --window "$menu" Tab space
    exercise=$(wait_window "Trovo la frazione complementare") || fail "the exercise did not open"
    for key in "$@"; do
        sleep 0.5
        xdotool key --window "$exercise" "$key"
    done
    sleep 1
}

open_exercise alt+c ctrl+l
grep -qx 'SET SELF LANGUAGE it.*' "$HOME/heard" && grep -qx 'SET SELF RATE -30' "$HOME/heard" \
    || fail "not Italian at the child's pace: $(grep 'LANGUAGE\|RATE' "$HOME/heard")"
# The buttons Tab reaches, the task, the verdict once with what to check, the task again.
[[ $(said) =~ ^Calcolo\ le\ quotelle\|Trovo\ la\ frazione\ complementare\|((un|[0-9]+)\ [a-zè]+)\|Sbagliato,\ riprova!\ Controlla\ il\ numeratore\.\|(.*)$ \
   && ${BASH_REMATCH[3]} = "${BASH_REMATCH[1]}" ]] || fail "heard: $(said)"
grep -v XDG_RUNTIME "$HOME/errors" | grep . && fail "complained with a working service"
kill "$pid"

# A screen reader runs: the program's own voice leaves the speaking to it.
screen_reader true
: >"$HOME/heard"
open_exercise ctrl+l
[ -z "$(said)" ] || fail "it spoke over a screen reader: $(said)"
kill "$pid"
screen_reader false

# A service that never answers: the screens work (the exercise opens and
# takes its keys), one line says why the voice is silent.
export SPEECHD_ADDRESS=unix_socket:$HOME/mute.sock
open_exercise ctrl+l alt+c
for _ in $(seq 150); do grep -q "non risponde" "$HOME/errors" && break; sleep 0.1; done
[ "$(grep -c '^quotelle:' "$HOME/errors")" -eq 1 ] || fail "not told once: $(cat "$HOME/errors")"
kill "$pid"
wait_exit "$pid" || fail "the program did not end"

# The program goes on after a fault of the service, which it told once.
goes_on() {
    kill -0 "$pid" 2>/dev/null || fail "ended $1: $(cat "$HOME/errors")"
    [ "$(grep -c "^quotelle: $2" "$HOME/errors")" -eq 1 ] || fail "not told once: $(cat "$HOME/errors")"
    kill "$pid" && wait_exit "$pid" || fail "the program did not end"
}
# A service that ends while the program speaks: silent from then on.
export SPEECHD_ADDRESS=unix_socket:$HOME/dying.sock
open_exercise alt+c ctrl+l ctrl+l alt+c ctrl+plus ctrl+minus F1 ctrl+l alt+f
goes_on "with the service" "la voce si è fermata"
# No service and no --voce: Ctrl+L asks for it, the menu's notice shows and
# goes, then the zoom, Ctrl+L, an exercise, its help and Fine.
export SPEECHD_ADDRESS=unix_socket:$HOME/nobody.sock
"$program" 2>"$HOME/errors" &
pid=$!
menu=$(wait_window "Le quotelle") || fail "the menu did not appear"
xdotool key --window "$menu" ctrl+l && sleep 9.5
xdotool key --delay 300 --window "$menu" ctrl+l ctrl+plus ctrl+minus Tab space
exercise=$(wait_window "Trovo la frazione complementare") || fail "the exercise did not open"
xdotool key --delay 300 --window "$exercise" F1 F1 ctrl+l ctrl+plus alt+f && sleep 1
goes_on "after the notice" "la voce non è disponibile"
echo "voice test passed"
