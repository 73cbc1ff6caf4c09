#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test: the normal build (toolkit-free and widget
# tests, the driver scripts), the format check, clang-tidy over the product
# code, the toolkit-free tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short fuzzing run where clang is available. Where clang and its fuzzer
# runtime are installed, the sanitizer tests and the fuzz targets come from
# one build (build-fuzz/): every source of it is compiled once, with the
# sanitizers and the fuzzer's coverage; without them the sanitizer tests are
# built with g++ in build-asan/ and the fuzzing is skipped.
# Tests run side by side, VELMORA_TEST_JOBS at a time (default: twice the
# cores, since most of them wait on processes, servers and timers); those
# that share something run one at a time by their RESOURCE_LOCK. The tidy
# check runs beside the normal build's tests and the sanitizer stages, and
# is waited for before the fuzzing, which takes every core.
set -euo pipefail
cd "$(dirname "$0")/.."

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
jobs=${VELMORA_TEST_JOBS:-$(($(nproc) * 2))}

stages=()
stage_start=$SECONDS
# Ends the stage running (if any) with its time and starts the next one.
stage() {
    if ((${#stages[@]})); then stages[-1]+=" $((SECONDS - stage_start)) s"; fi
    stage_start=$SECONDS
    [[ $# -gt 0 ]] || return 0
    stages+=("$1:")
    echo "== $1"
}

stage "normal build"
cmake --preset normal >/dev/null
cmake --build --preset normal

# The tests' own packages, which `scripts/setup.sh --tests --beside` installs
# while the build runs.
if [[ -f build/setup-tests.pid ]]; then
    stage "the tests' packages, installed beside the build"
    tail --pid="$(<build/setup-tests.pid)" -f /dev/null
    rm -f build/setup-tests.pid
    cat build/setup-tests.log
    if [[ "$(cat build/setup-tests.status 2>/dev/null)" != 0 ]]; then
        echo "the tests' packages could not be installed" >&2
        exit 1
    fi
fi

stage "format"
scripts/check-format.sh
passed=0
# Runs ctest in a build folder and adds its passed tests to the count.
run_ctest() {
    local log
    log=$(mktemp)
    ctest --test-dir "$1" --output-on-failure -j "$jobs" | tee "$log"
    local n
    n=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")
    passed=$((passed + ${n:-0}))
    rm -f "$log"
}
# clang-tidy reads the build's compile commands only: it runs beside the
# tests, which mostly wait, and the sanitizer stages, and its findings are
# shown once it is waited for.
stage "normal tests, and tidy beside them"
tidy_log=$(mktemp)
setsid bash -c 'scripts/check-tidy.sh build; status=$?; echo "tidy took $((SECONDS)) s"; exit $status' \
    >"$tidy_log" 2>&1 &
tidy=$!
# A failed test ends the command: the tidy check's processes go with it.
trap 'kill -- -"$tidy" 2>/dev/null || true' EXIT
run_ctest build
# Waits for the tidy check and shows what it found; a fault ends the command.
wait_tidy() {
    stage "the rest of the tidy check"
    local status=0
    wait "$tidy" || status=$?
    trap - EXIT
    cat "$tidy_log"
    rm -f "$tidy_log"
    ((status == 0)) || exit "$status"
}

# The fuzz targets need clang and its libFuzzer runtime.
if command -v clang++ >/dev/null 2>&1 && compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a" >/dev/null; then
    stage "sanitizer and fuzz build (toolkit-free tests, fuzz targets)"
    cmake --preset fuzz >/dev/null
    cmake --build build-fuzz
    stage "sanitizer tests"
    run_ctest build-fuzz
    wait_tidy
    stage "short fuzzing run"
    scripts/fuzz.sh 30
else
    stage "sanitizer build (toolkit-free tests)"
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize
    stage "sanitizer tests"
    run_ctest build-asan
    wait_tidy
fi
stage

printf 'stage %s\n' "${stages[@]}"
echo "whole run: $SECONDS s"
echo "summary: $passed passed, 0 failed"
