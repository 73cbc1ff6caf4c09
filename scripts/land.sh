#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lands the branch of the worktree it is run in on main: one landing at a
# time (a lock beside the repository), rebased on main, built and passed by
# the test command, then main fast-forwarded to it. Nothing lands that has not
# passed on top of the main it lands on.
#
#   scripts/land.sh            # from a worktree whose branch is not main
set -euo pipefail
top=$(git rev-parse --show-toplevel)
cd "$top"
branch=$(git symbolic-ref --short HEAD)
[[ "$branch" != main ]] || { echo "land: run it from a worktree of its own branch, not main" >&2; exit 2; }
[[ -z "$(git status --porcelain --untracked-files=no)" ]] || { echo "land: commit first" >&2; exit 2; }

common=$(git rev-parse --git-common-dir)
exec 9>"$common/velmora-land.lock"
echo "land: waiting for the lock" >&2
flock 9

git rebase main
CI=true make test
main_tree=$(git worktree list --porcelain | awk '/^worktree /{w=$2} /^branch refs\/heads\/main$/{print w}')
if [[ -n "$main_tree" ]]; then
    git -C "$main_tree" merge --ff-only "$branch"
else
    git update-ref refs/heads/main "$(git rev-parse HEAD)" "$(git rev-parse main)"
fi
echo "land: main is now $(git rev-parse --short main)"
