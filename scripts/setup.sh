#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when missing.
# A second run only asks dpkg and costs nothing.
#   setup.sh                     what the build needs
#   setup.sh --tests             that and what the tests need
#   setup.sh --tests --beside    what the build needs, then the tests' own
#                                packages in the background while the build
#                                runs; scripts/test.sh waits for them before
#                                the first step that needs them.
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-translations-l10n: Qt's own texts (message box buttons, the file dialog) in Russian.
# qt6-svg-dev: the build writes the icon as SVG for the installation.
# FFmpeg's libraries (and pkg-config to find them) build velmora-measure.
# libx11-dev and libxdamage-dev build velmora-startpaint, the start-up benchmark's watcher.
packages=(qt6-base-dev qt6-svg-dev qt6-translations-l10n cmake ninja-build g++ libgtest-dev libbenchmark-dev libx11-dev libxdamage-dev
    fonts-liberation fonts-dejavu-core pkg-config libavformat-dev libavcodec-dev libavutil-dev)
# What only the tests need, and of that what may be missing: without those
# tools the tests that need them are skipped.
tests=()
optional=()
if [[ "${1:-}" == "--tests" ]]; then
    # The plan tests run from Python; the build looks for it.
    packages+=(python3)
    # clang and its runtime build the fuzz targets; without them those are skipped.
    optional+=(clang libclang-rt-14-dev)
    # clang-format and clang-tidy check the code; by hand the checks are skipped
    # without them, under CI (CI=true) they are needed.
    if [[ "${CI:-}" == "true" ]]; then
        tests+=(clang-format clang-tidy)
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
    tests+=("${optional[@]}")
    # The installed files' validators and the Debian package's tools.
    tests+=(desktop-file-utils appstream dpkg-dev lintian)
    # The format and tidy checks take their files from git.
    tests+=(git)
    # The export tests compare PDF pages as text; the measuring tests find
    # the processes they stop with pgrep.
    tests+=(poppler-utils procps)
    # The screen-reader test walks the window over a real AT-SPI bus in an X server of its own.
    tests+=(xvfb xauth xdotool dbus at-spi2-core python3-pyatspi)
    # cups and the cups-pdf driver: the printing test runs a spooler of its own.
    tests+=(cups printer-driver-cups-pdf)
fi

# Those of the packages named that dpkg does not have, into `missing`.
find_missing() {
    missing=()
    local p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
}

# Installs those of the packages named that are missing. Where that fails,
# it tries again without the optional ones.
install_missing() {
    local missing p
    find_missing "$@"
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    local apt=(apt-get -y -qq --no-install-recommends)
    # A throw-away CI machine need not wait for every file to reach the disk.
    [[ "${CI:-}" == "true" ]] && apt+=(-o Dpkg::Options::=--force-unsafe-io)
    if [[ -z "${updated:-}" ]]; then
        $sudo apt-get update -qq
        updated=1
    fi
    if ! $sudo "${apt[@]}" install "${missing[@]}"; then
        # The optional tools: go on without them.
        local required=()
        for p in "${missing[@]}"; do [[ " ${optional[*]} " == *" $p "* ]] || required+=("$p"); done
        ((${#required[@]} == 0)) || $sudo "${apt[@]}" install "${required[@]}"
    fi
}

install_missing "${packages[@]}"
if [[ "${2:-}" != "--beside" ]]; then
    install_missing "${tests[@]}"
    exit 0
fi
# The tests' packages in the background; scripts/test.sh waits for the
# process named in build/setup-tests.pid and reads its exit status. sudo
# asks for its password here, before the background has no terminal.
find_missing "${tests[@]}"
if ((${#missing[@]})) && [[ $(id -u) -ne 0 ]]; then sudo -v; fi
mkdir -p build
rm -f build/setup-tests.status
(
    status=0
    install_missing "${tests[@]}" || status=$?
    echo "$status" >build/setup-tests.status
) >build/setup-tests.log 2>&1 </dev/null &
echo $! >build/setup-tests.pid
