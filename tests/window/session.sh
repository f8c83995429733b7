# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the window tests: a private X display with a window manager.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts a display of the size $1 (1024x768 unless given) with openbox.
start_session() {
    # Xvfb picks a free display itself, so parallel sessions never collide.
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local display
    read -r -t 10 display <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    trap 'kill ${pid:-} $wm_pid $xvfb_pid 2>/dev/null' EXIT
    # openbox is ready once it has claimed the window manager selection.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

# Starts the display (size $1, as start_session takes it), then runs the
# calling script again, with the rest of the arguments, inside a private D-Bus
# session with the accessibility bus, as a desktop with a screen reader has
# them. Returns only in that second run. The home is a scratch one: the
# accessibility bus keeps its settings (a screen reader runs) in the desktop's.
start_accessible_session() {
    if [ -z "${QUOTELLE_BUS:-}" ]; then
        start_session "$1"
        shift
        local status
        export HOME XDG_CONFIG_HOME
        HOME=$(mktemp -d) XDG_CONFIG_HOME=$HOME/.config
        QUOTELLE_BUS=1 dbus-run-session -- "$0" "$@"
        status=$?
        rm -rf "$HOME"
        exit $status
    fi
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher_pid=$!
    trap 'kill ${pid:-} $launcher_pid 2>/dev/null' EXIT
    export QT_QPA_PLATFORM=xcb
    # Qt otherwise speaks to the accessibility bus only when the desktop says
    # a screen reader is running.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Prints the id of the visible window titled exactly $1, waiting up to 30 s
# (a loaded CI machine can be slow to start the first window).
wait_window() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { sleep 0.3; echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Prints x y width height of the window with its frame.
window_frame() {
    local x y w h left right top bottom
    x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
    h=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null \
        | sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)/\1 \2 \3 \4/p')
    left=${left:-0}; right=${right:-0}; top=${top:-0}; bottom=${bottom:-0}
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

# Clicks at client pixel ($2, $3) of window $1.
click_client() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
