#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmark: builds the program, the baseline (tools/baseline.cpp, one
# 708 x 479 window with one label, same flags) and the measuring tools, then
#  - starts the program and the baseline in turn, RUNS times each, on a
#    private Xvfb display, timing from process start to the first frame drawn
#    into the window and reading the resident set of the idle window 1 s later;
#  - runs tools/transitions (Show/Unload of every screen, every exercise's
#    check, the idle CPU of an exercise with its timer ticking), at 100 %
#    and again at a zoom of 200 %.
#   tools/bench.sh [--runs N] [--idle-seconds S]     (defaults 11 and 60)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=11
idle=60
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --idle-seconds) idle=$2; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--idle-seconds S]" >&2; exit 2 ;;
    esac
done

# Configured again each time: the measuring tools need packages that
# ./setup.sh test installs, perhaps after this build was first configured.
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target quotelle baseline transitions firstframe >/dev/null

ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$ready" ] && break
    sleep 0.1
done
display=$(head -n 1 "$ready")
rm -f "$ready"
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One unmeasured start of each warms the disk cache.
build/tools/firstframe build/quotelle >/dev/null
build/tools/firstframe build/tools/baseline >/dev/null
: >/tmp/bench-program.$$ && : >/tmp/bench-baseline.$$
for _ in $(seq "$runs"); do
    build/tools/firstframe build/quotelle >>/tmp/bench-program.$$
    build/tools/firstframe build/tools/baseline >>/tmp/bench-baseline.$$
done
program_ms=$(cut -d' ' -f1 /tmp/bench-program.$$ | median)
baseline_ms=$(cut -d' ' -f1 /tmp/bench-baseline.$$ | median)
program_kb=$(cut -d' ' -f2 /tmp/bench-program.$$ | median)
baseline_kb=$(cut -d' ' -f2 /tmp/bench-baseline.$$ | median)
rm -f /tmp/bench-program.$$ /tmp/bench-baseline.$$

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(nproc) cores"
echo "medians of $runs runs each, alternating"
awk -v p="$program_ms" -v b="$baseline_ms" 'BEGIN {
    printf "start-up to first frame: program %.1f ms, baseline %.1f ms: %.2fx, %+.1f ms (goal <= 1.25x and <= +40 ms)\n", p, b, p / b, p - b }'
awk -v p="$program_kb" -v b="$baseline_kb" 'BEGIN {
    printf "resident set, idle menu: program %.1f MB, baseline %.1f MB: %+.1f MB (goal <= +8 MB)\n", p / 1024, b / 1024, (p - b) / 1024 }'
echo
echo "in process (offscreen), goals: Show and Unload < 10 ms, check < 0.1 ms, idle < 0.1 %"
QT_QPA_PLATFORM=offscreen build/tools/transitions 21 "$idle"
echo
QT_QPA_PLATFORM=offscreen build/tools/transitions 21 "$idle" 200
