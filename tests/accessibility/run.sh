#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the accessibility test against the real program: a private X display
# with a window manager, a private D-Bus session and, inside it, the
# accessibility bus with its registry, as a desktop with a screen reader has.
set -u
here=$(cd "$(dirname "$0")" && pwd)

source "$here/../window/session.sh"
start_accessible_session 1024x768 "$@"
/usr/bin/python3 "$here/atspi_test.py" "$@"
