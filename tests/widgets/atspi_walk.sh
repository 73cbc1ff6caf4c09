#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an X server, a D-Bus session with the accessibility bus and the
# program, and walks the program's tree as a screen reader does
# (atspi_walk.py). Exits 77, a skipped test, where a piece is missing.
# Usage: atspi_walk.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: skipped"; exit 77; }
done
[[ -x $launcher ]] || { echo "at-spi2-core is not installed: skipped"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed: skipped"; exit 77; }

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# The X server picks a free display itself and tells it on the descriptor:
# tests side by side, and other X servers on the machine, never meet on one.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "the X server did not start: skipped"; exit 77; }
display=:$(head -n1 "$work/display")
mkdir -m 700 "$work/runtime" "$work/home"
export DISPLAY=$display XDG_RUNTIME_DIR=$work/runtime HOME=$work/home QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
timeout 60 dbus-run-session -- bash -c "
    '$launcher' --launch-immediately >/dev/null 2>&1 &
    sleep 1
    '$program' >/dev/null 2>&1 &
    /usr/bin/python3 '$here/atspi_walk.py'
    status=\$?
    kill %2 %1 2>/dev/null
    exit \$status" 2> >(grep -v 'fd limit\|Activating service\|Successfully activated\|SpiRegistry' >&2)
