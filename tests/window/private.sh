#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Nothing leaves the process: the real program, traced with strace over a
# session a child might have, opens no file for writing, changes nothing on
# disk and opens no socket but its connection to the X display.
#
# The session is a desktop's: a private runtime directory and no D-Bus
# session bus (with one, Qt also connects to it for accessibility; without
# XDG_RUNTIME_DIR it creates /tmp/runtime-<user>: the README names both).
# HOME is empty, so fontconfig finds only the system's font cache.
set -u
program=$1
source "$(dirname "$0")/session.sh"

work=$(mktemp -d)
trap_work() { [ -n "${KEEP_TRACE:-}" ] || rm -rf "$work"; }
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS=disabled:
export HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME"

start_session
trap 'kill $wm_pid $xvfb_pid ${pid:-} 2>/dev/null; trap_work' EXIT

# Clicks at a client pixel until the window titled $4 shows, and prints it.
open_by_click() {
    local id
    for _ in 1 2 3; do
        click_client "$1" "$2" "$3"
        id=$(wait_window "$4") && { echo "$id"; return 0; }
    done
    return 1
}

# Types into window $1 as from the keyboard: the window has the focus first.
keys() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    xdotool key --delay 30 "${@:2}"
}
text() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    xdotool type --delay 30 "$2"
}

trace=$work/trace
strace -f -qq -o "$trace" \
    -e trace=open,openat,openat2,creat,socket,connect,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate \
    "$program" &
pid=$!

# A tour: two exercises and a rules page, typing and clicking, back each time.
menu=$(wait_window "Le quotelle") || fail "the main menu did not appear"
choice=$(open_by_click "$menu" $(((4080 + 2055 / 2) / 15)) $(((4440 + 1935 / 2) / 15)) \
    "Confronto le quotelle") || fail "the compare choice did not open"
order=$(open_by_click "$choice" $(((360 + 1935 / 2) / 15)) $(((1200 + 855 / 2) / 15)) \
    "Metto in ordine le quotelle") || fail "the order exercise did not open"
text "$order" "3/4 e 1/2"
click_client "$order" 350 240
keys "$order" Tab Escape
menu=$(wait_window "Le quotelle") || fail "Esc did not lead back to the menu"

complement=$(open_by_click "$menu" $(((7200 + 2055 / 2) / 15)) $(((2040 + 1935 / 2) / 15)) \
    "Trovo la frazione complementare") || fail "the complement did not open"
text "$complement" "12"
keys "$complement" Tab
text "$complement" "999999999999"
keys "$complement" ctrl+a ctrl+c ctrl+v Escape
menu=$(wait_window "Le quotelle") || fail "Esc did not lead back to the menu"

rules=$(open_by_click "$menu" $(((7200 + 2055 / 2) / 15)) $(((4440 + 1935 / 2) / 15)) \
    "Come si calcola la frazione di un numero") || fail "the rules did not open"
keys "$rules" Escape
menu=$(wait_window "Le quotelle") || fail "Esc did not lead back to the menu"

keys "$menu" Escape
wait_exit "$pid" || fail "Esc on the menu did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

display=${DISPLAY#:}
faults=$(awk -v display="$display" '
    /^[0-9]+ (open|openat|openat2)\(/ && /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND/ { print; next }
    /^[0-9]+ creat\(/ { print; next }
    /^[0-9]+ (mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|truncate)\(/ && / = 0$/ { print; next }
    /^[0-9]+ socket\(/ && !/socket\(AF_UNIX,/ { print; next }
    /^[0-9]+ connect\(/ {
        if ($0 !~ "sun_path=@?\"/tmp/.X11-unix/X" display "\"") print
    }
' "$trace")
if [ -n "$faults" ]; then
    echo "$faults" >&2
    fail "the program wrote or connected where it should not"
fi
grep -q "X11-unix/X$display" "$trace" || fail "the trace shows no display connection"
echo "private test passed: $(wc -l < "$trace") calls traced"
