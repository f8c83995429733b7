#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Le quotelle, builds it and runs it or its tests.
#   ./setup.sh run    install what is missing, build, start the program
#   ./setup.sh test   install what is missing, build, run every test with CTest,
#                     then build and run them again under the sanitizers
# Run as root (or with sudo) the first time, so that missing packages can be
# installed; a second run installs and rebuilds nothing that is already there.
set -euo pipefail
cd "$(dirname "$0")"

# CMake finds Qt's speech module only with qt6-declarative-dev beside it.
packages=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher
          speech-dispatcher-espeak-ng fonts-comic-neue fonts-liberation2)
test_packages=(xvfb xauth x11-utils openbox xdotool dbus-daemon dbus-bin at-spi2-core python3-gi
               gir1.2-atspi-2.0 strace valgrind pkg-config libxcb1-dev libxcb-damage0-dev
               desktop-file-utils appstream lintian orca)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {
    local dir=$1
    shift
    [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    build build
    exec build/quotelle
    ;;
test)
    install_missing "${packages[@]}"
    # The build needs only the first list: it compiles while the test tools
    # are fetched and unpacked, then looks for them again.
    log=$(mktemp)
    build build >"$log" 2>&1 &
    building=$!
    install_missing "${test_packages[@]}"
    wait "$building" || { cat "$log"; exit 1; }
    cat "$log"
    rm -f "$log"
    cmake build >/dev/null
    cmake --build build
    ctest --test-dir build --output-on-failure -j 2
    # The same suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-asan -DQUOTELLE_SANITIZE=ON
    ctest --test-dir build-asan --output-on-failure -j 2
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
