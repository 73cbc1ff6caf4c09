#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every option that PROGRAM --help names is documented in its manual page:
# a new option is easily added to the help and forgotten in the page.
# Usage: check-manual.sh PROGRAM PAGE
program=$1
page=$2
options=$("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || { echo "$program --help names no option"; exit 1; }
missing=0
for option in $options; do
    # The page writes each dash as "\-".
    if ! grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$page"; then
        echo "$page: $option is not documented"
        missing=1
    fi
done
exit $missing
