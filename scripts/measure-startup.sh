#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cold start of the program, offscreen: from process start to the main window
# shown, median of RUNS runs (default 20), and the peak resident memory.
# Usage: scripts/measure-startup.sh [RUNS] [SCREEN]   SCREEN: tall (1920x1080) or compact (1366x768)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
screen=${2:-tall}
[[ -x build/velmora-startup-probe ]] || { echo "build first: make build" >&2; exit 1; }
config=$(mktemp --suffix=.json)
if [[ $screen == compact ]]; then
    echo '{"screens":[{"width":1366,"height":768}]}' >"$config"
else
    echo '{"screens":[{"width":1920,"height":1080}]}' >"$config"
fi
export QT_QPA_PLATFORM="offscreen:configfile=$config"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
times=()
peak=0
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    out=$(build/velmora-startup-probe)
    shown=$(sed -n 's/^shown_ns //p' <<<"$out")
    kb=$(sed -n 's/^peak_kb //p' <<<"$out")
    times+=($(((shown - start) / 1000)))
    ((kb > peak)) && peak=$kb
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2))}')
echo "screen: $screen, runs: $runs"
echo "cold start to window shown, median: $((median / 1000)).$(printf '%03d' $((median % 1000))) ms"
echo "peak resident memory: $((peak / 1024)) MiB ($peak KiB)"
rm -f "$config"
