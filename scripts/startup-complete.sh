#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against the floors, in one run per screen on a private X server:
# launch to the first window mapped and launch to visually complete (the last
# paint before the screen stays still for QUIET_MS) against the empty
# fixed-size Qt window, and the resident memory two seconds after launch
# against the same window with one line of Russian text, whose own time to
# visually complete is printed beside them: what any Russian text costs. The
# three programs take turns, RUNS times each (default 5), so that whatever
# else loads the machine weighs on all of them; medians and ratios are
# printed for both layouts at 100 % and at 200 % (QT_SCALE_FACTOR=2).
# Usage: scripts/startup-complete.sh [RUNS] [QUIET_MS]
#   Needs xvfb and a build with velmora-startpaint (libxdamage-dev); make build first.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
quiet=${2:-400}
rss_at=2000
for tool in build/velmora build/velmora-startpaint build/velmora-bare-window build/velmora-bare-text-window; do
    [[ -x $tool ]] || { echo "missing $tool: build first (make build; velmora-startpaint needs libxdamage-dev)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "needs Xvfb (apt-get install xvfb)" >&2; exit 1; }
work=$(mktemp -d)
chmod 700 "$work"
xvfb=
trap '[[ -n $xvfb ]] && kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"

# One timed launch: "map_ms complete_ms paints rss_kb"; a failed launch is tried again.
launch() {
    local out
    for _ in 1 2 3; do
        if out=$(build/velmora-startpaint "$quiet" "$rss_at" "$@" 2>/dev/null) && [[ -n $out ]]; then
            echo "$out"
            return
        fi
    done
    echo "launch failed: $*" >&2
    exit 1
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# NAME SCREEN SCALE
measure() {
    local name=$1 screen=$2 scale=$3
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
    [[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")" QT_SCALE_FACTOR=$scale
    local programs=(build/velmora-bare-window build/velmora build/velmora-bare-text-window)
    : >"$work/0"; : >"$work/1"; : >"$work/2"
    for ((i = 0; i < runs; i++)); do
        # Each round in another order: none always goes first.
        for ((k = 0; k < 3; k++)); do
            local j=$(((i + k) % 3))
            launch "${programs[$j]}" >>"$work/$j"
        done
    done
    kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true; xvfb=
    : >"$work/display"
    local bare_map bare_done prog_map prog_done prog_paints prog_kb text_kb
    bare_map=$(cut -d' ' -f1 "$work/0" | median)
    bare_done=$(cut -d' ' -f2 "$work/0" | median)
    prog_map=$(cut -d' ' -f1 "$work/1" | median)
    prog_done=$(cut -d' ' -f2 "$work/1" | median)
    prog_paints=$(cut -d' ' -f3 "$work/1" | median)
    prog_kb=$(cut -d' ' -f4 "$work/1" | median)
    text_kb=$(cut -d' ' -f4 "$work/2" | median)
    text_done=$(cut -d' ' -f2 "$work/2" | median)
    printf '%-12s map %6.1f / %6.1f ms = %s   complete %6.1f / %6.1f ms = %s (%s paints)   memory %s / %s kB = %s   one line complete %6.1f ms = %s\n' \
        "$name" "$prog_map" "$bare_map" "$(ratio "$prog_map" "$bare_map")" \
        "$prog_done" "$bare_done" "$(ratio "$prog_done" "$bare_done")" "$prog_paints" \
        "$prog_kb" "$text_kb" "$(ratio "$prog_kb" "$text_kb")" \
        "$text_done" "$(ratio "$text_done" "$bare_done")"
}

echo "runs: $runs each, taking turns; complete: the last paint before ${quiet} ms of stillness;"
echo "memory: VmRSS ${rss_at} ms after launch. Each figure: build/velmora / its floor (medians)."
echo "one line: the window with one Russian line, complete, against the empty window: what text alone costs."
measure "tall 100 %" 1920x1080x24 1
measure "compact 100 %" 1366x768x24 1
measure "tall 200 %" 3840x2160x24 2
measure "compact 200 %" 1920x1080x24 2
