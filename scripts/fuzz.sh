#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (in build-fuzz/, or $VELMORA_FUZZ_BUILD)
# and runs each for SECONDS (default 30) on a fresh copy of its seed corpus,
# as many at a time as the machine has cores (each target is one process on
# one core; VELMORA_FUZZ_JOBS sets another number).
# Exits non-zero when a target finds a crash, a sanitizer report or a broken
# invariant; the log and the input that did it are left in fuzz-out/<target>/
# (or $VELMORA_FUZZ_OUT/<target>/).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi
build="${VELMORA_FUZZ_BUILD:-build-fuzz}"
out="${VELMORA_FUZZ_OUT:-fuzz-out}"

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target fuzz_numbers fuzz_form fuzz_measure fuzz_plan

targets=(fuzz_numbers fuzz_form fuzz_measure fuzz_plan)
jobs="${VELMORA_FUZZ_JOBS:-$(nproc)}"
# Runs one target; its status goes to $out/<target>/status.
run() {
    local target=$1 work="$out/$1"
    local args=(-max_total_time="$seconds" -timeout=20 -print_final_stats=1 -artifact_prefix="$work/")
    if [[ -f fuzz/$target.dict ]]; then args+=(-dict="fuzz/$target.dict"); fi
    local s=0
    "$build/fuzz/$target" "${args[@]}" "$work/corpus" >"$work/log" 2>&1 || s=$?
    echo "$s" >"$work/status"
}
for target in "${targets[@]}"; do
    rm -rf "${out:?}/$target"
    mkdir -p "$out/$target/corpus"
    cp fuzz/corpus/"$target"/* "$out/$target/corpus/"
done
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
    for target in "${targets[@]:i:jobs}"; do
        echo "== $target for ${seconds}s"
        run "$target" &
    done
    wait
done
status=0
for target in "${targets[@]}"; do
    work="$out/$target"
    if [[ "$(cat "$work/status")" == 0 ]]; then
        echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$work/log" | tail -n 1)"
    else
        status=1
        echo "$target FAILED: log in $work/log, the input in $work/" >&2
        grep -E -A40 'ERROR|invariant broken|broken rule|runtime error' "$work/log" | head -n 60 >&2 || true
    fi
done
exit "$status"
