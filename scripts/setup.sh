#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when missing.
# A second run only asks dpkg and costs nothing.
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (message box buttons, the file dialog) in Russian.
# qt6-svg-dev: the build writes the icon as SVG for the installation.
# FFmpeg's libraries (and pkg-config to find them) build velmora-measure.
# libx11-dev and libxdamage-dev build velmora-startpaint, the start-up benchmark's watcher.
packages=(qt6-base-dev qt6-svg-dev qt6-translations-l10n cmake ninja-build g++ libgtest-dev libbenchmark-dev libx11-dev libxdamage-dev
    fonts-liberation fonts-dejavu-core pkg-config libavformat-dev libavcodec-dev libavutil-dev)
# Tools only some tests need: without them those tests are skipped.
optional=()
if [[ "${1:-}" == "--tests" ]]; then
    # clang and its runtime build the fuzz targets; without them those are skipped.
    optional+=(clang libclang-rt-14-dev)
    # clang-format and clang-tidy check the code; by hand the checks are skipped
    # without them, under CI (CI=true) they are needed.
    if [[ "${CI:-}" == "true" ]]; then
        packages+=(clang-format clang-tidy)
    else
        optional+=(clang-format clang-tidy)
    fi
    # The tidy check's own, a quarter of the time of the plain one; without
    # it the plain clang-tidy checks (scripts/check-tidy.sh).
    optional+=(clang-tidy-22)
    # The measurement tests make their clips with ffmpeg and serve a live
    # stream with GStreamer's RTSP server from Python.
    optional+=(ffmpeg python3-gi gir1.2-gst-rtsp-server-1.0 gstreamer1.0-plugins-base
        gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly)
    packages+=("${optional[@]}")
    # The installed files' validators and the Debian package's tools.
    packages+=(desktop-file-utils appstream dpkg-dev lintian)
    # The plan and export tests run from Python and compare PDF pages as text;
    # the measuring tests find the processes they stop with pgrep.
    packages+=(python3 poppler-utils procps)
    # The screen-reader test walks the window over a real AT-SPI bus in an X server of its own.
    packages+=(xvfb xauth xdotool dbus at-spi2-core python3-pyatspi)
    # cups and the cups-pdf driver: the printing test runs a spooler of its own.
    packages+=(cups printer-driver-cups-pdf)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        # The optional tools: go on without them.
        required=()
        for p in "${missing[@]}"; do [[ " ${optional[*]} " == *" $p "* ]] || required+=("$p"); done
        ((${#required[@]} == 0)) || $sudo apt-get install -y -qq --no-install-recommends "${required[@]}"
    fi
fi
