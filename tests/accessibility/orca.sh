#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a blind child meets it: Orca, the screen reader, in a
# private X session with a window manager, D-Bus and the accessibility bus.
set -u
here=$(cd "$(dirname "$0")" && pwd)

source "$here/../window/session.sh"
start_accessible_session 1024x768 "$@"
/usr/bin/python3 "$here/orca_test.py" "$@"
