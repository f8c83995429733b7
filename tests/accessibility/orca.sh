#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a blind child meets it: Orca, the screen reader, in a
# private X session with a window manager, D-Bus and the accessibility bus.
set -u
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${QUOTELLE_SESSION:-}" ]; then
    source "$here/../window/session.sh"
    start_session
    QUOTELLE_SESSION=1 dbus-run-session -- "$0" "$@"
    exit $?
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
trap 'kill $launcher_pid 2>/dev/null' EXIT
export QT_QPA_PLATFORM=xcb
/usr/bin/python3 "$here/orca_test.py" "$@"
