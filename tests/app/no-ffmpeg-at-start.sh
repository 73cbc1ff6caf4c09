#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window never loads FFmpeg: velmora links none of its libraries, and
# the window's start-up (velmora-startup-probe: the real start, offscreen)
# loads none at run time either. Measuring runs in velmora-measure.
# usage: no-ffmpeg-at-start.sh VELMORA STARTUP-PROBE
set -eu
ffmpeg='lib(avformat|avcodec|avutil|avdevice|avfilter|swscale|swresample)\.so'
if ldd "$1" | grep -E "$ffmpeg"; then
    echo "velmora links FFmpeg" >&2
    exit 1
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
LD_DEBUG=libs QT_QPA_PLATFORM=offscreen "$2" >/dev/null 2>"$log"
if ! grep -q 'calling init: .*libQt6Core' "$log"; then
    echo "LD_DEBUG told nothing: the check cannot see what is loaded" >&2
    exit 1
fi
if grep -E "calling init: .*$ffmpeg" "$log"; then
    echo "the window's start-up loads FFmpeg" >&2
    exit 1
fi
echo "no FFmpeg library in velmora or its start-up"
