#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Random real input on the program's real windows on a real X server (Xvfb and
# Qt's xcb platform) for MINUTES minutes: the random-input test's events,
# seed after seed, with its checks after every event. Prints the events run
# clean, or the seed and the events that broke a rule.
# Usage: scripts/random-input.sh [MINUTES] [FIRST_SEED]   (needs xvfb and xauth)
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}
seed=${2:-$((RANDOM + 1))}
bin=build/tests/random/velmora_random_input_tests
[[ -x $bin ]] || { echo "build the tests first: make test" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: apt-get install xvfb xauth" >&2; exit 1; }
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
echo "random input on Xvfb (xcb) for $minutes min, first seed $seed"
VELMORA_RANDOM_MINUTES=$minutes VELMORA_RANDOM_SEEDS=1 VELMORA_RANDOM_FIRST_SEED=$seed QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s '-screen 0 1920x1080x24' "$bin" --gtest_filter='Seeds/RandomInputTest.*/0'
