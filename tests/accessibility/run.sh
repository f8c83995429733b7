#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the accessibility test against the real program: a private X display,
# a private D-Bus session and, inside it, the accessibility bus with its
# registry, the way a desktop with a screen reader provides them.
set -u
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${QUOTELLE_SESSION:-}" ]; then
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # Xvfb picks a free display itself, so parallel sessions never collide.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null' EXIT
    read -r -t 20 display <"$fifo" || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    DISPLAY=":$display" QUOTELLE_SESSION=1 dbus-run-session -- "$0" "$@"
    exit $?
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
trap 'kill $launcher_pid 2>/dev/null' EXIT
export QT_QPA_PLATFORM=xcb
# Qt otherwise speaks to the accessibility bus only when the desktop says a
# screen reader is running.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 "$here/atspi_test.py" "$@"
