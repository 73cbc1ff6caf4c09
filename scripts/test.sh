#!/usr/bin/env bash
# Builds and runs every test: the normal build (toolkit-free and widget tests,
# the driver scripts), the toolkit-free tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short fuzzing run where clang is available.
set -euo pipefail
cd "$(dirname "$0")/.."

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure

echo "== sanitizer build (toolkit-free tests)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_TOOLKIT_FREE_ONLY=ON >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure

if [[ -x scripts/fuzz.sh ]] && command -v clang++ >/dev/null 2>&1; then
    echo "== short fuzzing run"
    scripts/fuzz.sh 30
fi
