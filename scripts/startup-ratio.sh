#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the program against the floor, an empty fixed-size Qt window,
# in one run on one private X server: from launch to the first window mapped,
# and the resident memory once started (SETTLE ms after the map, the first
# paint done). The two take turns, RUNS times each, so that whatever else
# loads the machine weighs on both; prints both medians and their ratios.
# Usage: scripts/startup-ratio.sh [RUNS] [tall|compact] [SETTLE_MS]
#   tall: a 1920x1080 screen, compact: 1366x768. Needs xvfb; build first (make build).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
layout=${2:-tall}
settle=${3:-400}
case $layout in
tall) screen=1920x1080x24 ;;
compact) screen=1366x768x24 ;;
*) echo "layout is tall or compact: $layout" >&2; exit 2 ;;
esac
for tool in build/velmora build/velmora-startmap build/velmora-bare-window; do
    [[ -x $tool ]] || { echo "missing $tool: build first (make build)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "needs Xvfb (apt-get install xvfb)" >&2; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
# Xvfb picks a free display number itself and tells it on the descriptor.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM

# One timed launch: "map_ms rss_kb"; a failed launch is tried again.
launch() {
    local out
    for _ in 1 2 3; do
        if out=$(build/velmora-startmap "$settle" "$@" 2>/dev/null) && [[ -n $out ]]; then
            echo "$out"
            return
        fi
    done
    echo "launch failed: $*" >&2
    exit 1
}

: >"$work/bare"
: >"$work/program"
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
        launch build/velmora-bare-window >>"$work/bare"
        launch build/velmora >>"$work/program"
    else
        launch build/velmora >>"$work/program"
        launch build/velmora-bare-window >>"$work/bare"
    fi
done

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
program_ms=$(cut -d' ' -f1 "$work/program" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)
program_kb=$(cut -d' ' -f2 "$work/program" | median)
echo "layout: $layout ($screen), runs: $runs each, taking turns"
echo "launch to first window mapped, median: empty Qt window $bare_ms ms, build/velmora $program_ms ms"
awk -v a="$program_ms" -v b="$bare_ms" 'BEGIN {printf "start-up ratio (program / empty Qt window): %.2f\n", a / b}'
echo "resident memory ${settle} ms after the map, median: empty Qt window $bare_kb kB, build/velmora $program_kb kB"
awk -v a="$program_kb" -v b="$bare_kb" 'BEGIN {printf "memory ratio (program / empty Qt window): %.2f\n", a / b}'
