#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what `cmake --install` and the Debian package put where.
# Usage: check-install.sh files|validate|prefix|package BUILD-DIR EXPECTED-LIST MODULE-DIR
# (MODULE-DIR: the printing module's folder below the prefix, which the list names @MODULE_DIR@)
# Exits 77 (a skipped test) when a tool it needs is not installed.
set -euo pipefail
mode=$1 build=$2 list=$3 module_dir=$4
id=example.keldar.Velmora
work=$(mktemp -d "$build/check-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
expected=$work/expected
sed "s|@MODULE_DIR@|$module_dir|" "$list" >"$expected"
need() { command -v "$1" >/dev/null 2>&1 || { echo "$1 is not installed: skipped"; exit 77; }; }

case $mode in
files) # An install into a DESTDIR holds exactly the expected files.
    DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
    (cd "$work/root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$work/actual"
    LC_ALL=C sort "$expected" | diff -u - "$work/actual"
    ;;
validate) # The desktop entry and the metainfo pass their validators.
    need desktop-file-validate
    need appstreamcli
    DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
    desktop-file-validate "$work/root/usr/share/applications/$id.desktop"
    appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$id.metainfo.xml"
    grep -qx 'Categories=Utility;Calculator;' "$work/root/usr/share/applications/$id.desktop"
    for key in Name GenericName Comment; do
        grep -q "^$key=" "$work/root/usr/share/applications/$id.desktop"
        grep -q "^$key\[ru\]=" "$work/root/usr/share/applications/$id.desktop"
    done
    ;;
prefix) # Installed into a prefix, the menu entry's program and icon are found there.
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    entry=$prefix/share/applications/$id.desktop
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    program=${exec_line%% *}
    [[ $program == "$prefix/bin/velmora" && -x $program ]] || { echo "Exec=$exec_line is not the installed program"; exit 1; }
    "$program" --version | grep -q '^velmora '
    # --measure finds velmora-measure beside the installed program.
    [[ -x $prefix/bin/velmora-measure ]] || { echo "no velmora-measure beside velmora"; exit 1; }
    status=0
    "$program" --measure "$work/no-such.mp4" 2>"$work/measure.err" || status=$?
    [[ $status == 1 ]] && grep -q '^velmora-measure: no such file: ' "$work/measure.err" ||
        { echo "velmora --measure: exit $status, $(cat "$work/measure.err")"; exit 1; }
    # Printing finds its module in the program's library folder.
    [[ -f $prefix/$module_dir/velmora-print.so ]] || { echo "no printing module in $prefix/$module_dir"; exit 1; }
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [[ $icon == "$id" ]] || { echo "Icon=$icon"; exit 1; }
    for dir in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
        [[ -s $prefix/share/icons/hicolor/$dir/apps/$icon.png ]] || { echo "no $dir icon"; exit 1; }
    done
    [[ -s $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]]
    ;;
package) # The Debian package: its control fields and exactly the installed files.
    need dpkg-deb
    need dpkg-shlibdeps
    (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
    deb=$(ls "$work"/out/velmora_*_*.deb)
    [[ $(basename "$deb") =~ ^velmora_[0-9.]+_[a-z0-9]+\.deb$ ]] || { echo "file name $(basename "$deb")"; exit 1; }
    field() { dpkg-deb -f "$deb" "$1"; }
    [[ $(field Package) == velmora ]]
    [[ $(field Version) =~ ^[0-9.]+$ ]]
    [[ $(field Architecture) == "$(dpkg --print-architecture)" ]]
    [[ $(field Maintainer) == *@* ]]
    [[ -n $(field Description) ]]
    [[ $(field Recommends) == *qt6-wayland* ]]
    depends=$(field Depends)
    for dep in libqt6widgets6 libqt6printsupport6 libc6 fonts-liberation fonts-dejavu-core qt6-translations-l10n \
        libavformat libavcodec libavutil; do
        [[ $depends == *"$dep"* ]] || { echo "Depends lacks $dep: $depends"; exit 1; }
    done
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort >"$work/actual"
    LC_ALL=C sort "$expected" | diff -u - "$work/actual"
    # Debian's own checks of the package: no error and no warning.
    if command -v lintian >/dev/null 2>&1; then
        lintian --fail-on error,warning "$deb"
    else
        echo "lintian is not installed: the package's Debian checks skipped"
    fi
    ;;
*) echo "unknown mode $mode"; exit 2 ;;
esac
