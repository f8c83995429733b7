# Shared by the window tests: a private X display with a window manager.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_session() {
    # Xvfb picks a free display itself and writes its number once it is ready,
    # so that sessions started side by side never share a display.
    local ready
    ready=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$ready" ] && break
        sleep 0.1
    done
    local display
    display=$(head -n 1 "$ready")
    rm -f "$ready"
    [ -n "$display" ] || fail "Xvfb did not start"
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    trap 'kill $wm_pid $xvfb_pid ${pid:-} 2>/dev/null' EXIT
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    sleep 0.5
}

# Prints the id of the visible window titled exactly $1, waiting up to 10 s.
wait_window() {
    local id
    for _ in $(seq 100); do
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
