#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every tracked source file and script names its licence in its
# first lines, and that every tracked C++ file is formatted as .clang-format
# says. `--fix` rewrites the C++ files instead. Without clang-format the format
# check is skipped, but under CI (CI=true) it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# The files checked are the tracked ones: without git or outside a checkout
# there is no list, and a check of no files must not pass.
if ! git ls-files --error-unmatch CMakeLists.txt >/dev/null 2>&1; then
    echo "check-format.sh: needs git and a git checkout to list the files it checks" >&2
    exit 1
fi

unlicensed=0
while IFS= read -r file; do
    if ! head -n 2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
        echo "$file: no SPDX-License-Identifier line at the top" >&2
        unlicensed=1
    fi
done < <(git ls-files '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' 'Makefile' '.ci/run')
if ((unlicensed)); then exit 1; fi

if ! command -v clang-format >/dev/null 2>&1; then
    # Under CI a missing tool is a failure, never a check that quietly passes.
    if [[ "${CI:-}" == "true" ]]; then
        echo "clang-format is not installed: the format check cannot run under CI" >&2
        exit 1
    fi
    echo "clang-format is not installed: format check skipped"
    exit 0
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${files[@]}"
else
    clang-format --dry-run -Werror "${files[@]}"
    echo "format: ${#files[@]} files clean"
fi
