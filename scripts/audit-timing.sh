#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long `velmora --audit` takes over N connections to the live test
# server (tests/measure/rtsp_server.py on 127.0.0.1) at each number of
# processes at once: scripts/audit-timing.sh [SOURCES] [SECONDS] [JOBS...]
# (16 sources, 5 s, jobs 1 4 8 unless given). Build first (make build); needs
# the GStreamer packages of scripts/setup.sh --tests.
set -euo pipefail
cd "$(dirname "$0")/.."
sources=${1:-16}
seconds=${2:-5}
shift $(($# > 2 ? 2 : $#))
jobs=("$@")
((${#jobs[@]})) || jobs=(1 4 8)
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
/usr/bin/python3 tests/measure/rtsp_server.py >"$work/server" 2>&1 &
server=$!
for _ in $(seq 50); do grep -q '^port\|^missing' "$work/server" && break; sleep 0.1; done
port=$(sed -n 's/^port //p' "$work/server")
[[ -n "$port" ]] || { cat "$work/server"; exit 1; }
for i in $(seq "$sources"); do printf 'rtsp://127.0.0.1:%s/cam\tКамера %s\n' "$port" "$i"; done >"$work/list"
for j in "${jobs[@]}"; do
    start=$(date +%s.%N)
    build/velmora --audit "$work/list" --save "$work/plan.velmora" --seconds "$seconds" --jobs "$j" >/dev/null
    end=$(date +%s.%N)
    printf '%s sources, %s s each, jobs %s: %.1f s\n' "$sources" "$seconds" "$j" "$(echo "$end - $start" | bc)"
done
