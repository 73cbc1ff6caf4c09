#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test: the format check, the normal build (toolkit-free
# and widget tests, the driver scripts), clang-tidy over the product code, the
# toolkit-free tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short fuzzing run where clang is available.
set -euo pipefail
cd "$(dirname "$0")/.."

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

echo "== format"
scripts/check-format.sh

echo "== normal build"
cmake --preset normal >/dev/null
cmake --build --preset normal
passed=0
# Runs ctest in a build folder and adds its passed tests to the count.
run_ctest() {
    local log
    log=$(mktemp)
    ctest --test-dir "$1" --output-on-failure | tee "$log"
    local n
    n=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")
    passed=$((passed + ${n:-0}))
    rm -f "$log"
}
run_ctest build

echo "== tidy"
scripts/check-tidy.sh build

echo "== sanitizer build (toolkit-free tests)"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
run_ctest build-asan

# The fuzz run needs clang and its libFuzzer runtime; without them it is skipped.
if command -v clang++ >/dev/null 2>&1 && compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a" >/dev/null; then
    echo "== short fuzzing run"
    scripts/fuzz.sh 30
fi

echo "summary: $passed passed, 0 failed"
