#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# A second run only asks dpkg and costs nothing.
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (message box buttons, the file dialog) in Russian.
# qt6-svg-dev: the build writes the icon as SVG for the installation.
packages=(qt6-base-dev qt6-svg-dev qt6-translations-l10n cmake ninja-build g++ libgtest-dev libbenchmark-dev libx11-dev fonts-liberation fonts-dejavu-core)
if [[ "${1:-}" == "--tests" ]]; then
    # clang and its runtime build the fuzz targets; without them those are skipped.
    # clang-format checks the code's layout; without it that check is skipped.
    packages+=(clang libclang-rt-14-dev clang-format)
    # The installed files' validators and the Debian package's tools.
    packages+=(desktop-file-utils appstream dpkg-dev)
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
        # The fuzzing and formatting tools are optional: go on without them.
        required=()
        for p in "${missing[@]}"; do [[ $p == clang || $p == libclang-rt-14-dev || $p == clang-format ]] || required+=("$p"); done
        ((${#required[@]} == 0)) || $sudo apt-get install -y -qq --no-install-recommends "${required[@]}"
    fi
fi
