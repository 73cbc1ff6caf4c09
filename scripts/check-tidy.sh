#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks of .clang-tidy over the product code (the
# tests, fuzz targets and benchmark are left out to keep the run short),
# two files at a time. Needs the compile commands of a configured build
# (default build/, or the folder given). Without clang-tidy it is skipped, but under CI
# (CI=true) it fails.
# A file's result is kept in VELMORA_TIDY_CACHE (default ~/.cache/velmora-tidy)
# under a hash of everything clang-tidy reads for it (scripts/tidy-files.py):
# a file that neither changed nor includes anything changed is not checked
# again, and its findings are shown as they were. VELMORA_TIDY_CACHE= (empty)
# checks every file afresh.
set -euo pipefail
cd "$(dirname "$0")/.."

# The files checked are the tracked ones: without git or outside a checkout
# there is no list, and a check of no files must not pass.
if ! git ls-files --error-unmatch CMakeLists.txt >/dev/null 2>&1; then
    echo "check-tidy.sh: needs git and a git checkout to list the files it checks" >&2
    exit 1
fi

build="${1:-build}"
# The newest clang-tidy the set-up script installs (Debian 12 has version 22
# among its security updates): from version 21 on it leaves the system
# headers' declarations out of its matching, which is most of a file's time
# with the Qt headers (mainwindow/MainWindow.cpp: 4 s, against 15 s with
# version 14). Where it is missing, the plain clang-tidy checks alone.
tidy=clang-tidy
command -v clang-tidy-22 >/dev/null 2>&1 && tidy=clang-tidy-22
export VELMORA_CLANG_TIDY="$tidy"
cache="${VELMORA_TIDY_CACHE-${XDG_CACHE_HOME:-$HOME/.cache}/velmora-tidy}"
if ! command -v "$tidy" >/dev/null 2>&1; then
    # Under CI a missing tool is a failure, never a check that quietly passes.
    if [[ "${CI:-}" == "true" ]]; then
        echo "clang-tidy is not installed: the tidy check cannot run under CI" >&2
        exit 1
    fi
    echo "clang-tidy is not installed: tidy check skipped"
    exit 0
fi
if [[ ! -f "$build/compile_commands.json" ]]; then
    echo "no $build/compile_commands.json: configure the build first (cmake --preset normal)" >&2
    exit 2
fi
# Product code that the build compiles (a file of a folder the build leaves out has no command).
mapfile -t files < <(git ls-files '*.cpp' | grep -Ev '^(tests|fuzz|bench)/' |
    while read -r f; do grep -q "\"file\": \"$PWD/$f\"" "$build/compile_commands.json" && echo "$f"; done)
log=$(mktemp)
commands=$(mktemp -d)
trap 'rm -f "$log"; rm -rf "$commands"' EXIT
# The build's precompiled Qt headers are g++'s, which clang cannot read:
# clang-tidy gets each file's command without them, so it also sees every
# file include what it uses.
sed -E 's# -Winvalid-pch##g; s# -include [^ ]*/cmake_pch\.hxx##g' "$build/compile_commands.json" \
    >"$commands/compile_commands.json"
status=0
python3 scripts/tidy-files.py "$commands" 2 "$cache" "${files[@]}" >"$log" || status=1
if ((status)); then
    grep -E 'error:|warning:' -A3 "$log" | grep -v '^[0-9]* warnings generated' >&2 || cat "$log" >&2
    echo "tidy: findings above" >&2
    exit 1
fi
warnings=$(grep -c 'warning:' "$log" || true)
if ((warnings)); then grep -E 'warning:' "$log" | sort -u; fi
echo "tidy: ${#files[@]} files without faults ($warnings readability notes above)"
