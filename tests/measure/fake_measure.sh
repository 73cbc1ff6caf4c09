#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Stands in for velmora-measure in the runner's tests, by the words in the
# address it reads: "fail" names a cause, "slow" takes 2 s, "hang" measures
# until told to stop, "deaf" hears nothing and never ends, "late" prints its
# result and then fails; any other is measured in a moment. The result's
# source is the address read.
read -r address
result() {
    echo "progress $1 100"
    echo "second 0 100"
    echo "{\"source\":\"$address\",\"codec\":\"H.264\",\"width\":640,\"height\":360,\"fps\":15,\"seconds\":$1,\"clock\":\"stream\",\"video_kbps\":100,\"peak_kbps\":120,\"audio_codec\":null,\"audio_kbps\":null,\"applied_kbps\":97.66,\"per_second_kbps\":[100]}"
}
case "$address" in
*fail*) echo "failure no-such-file"; exit 1 ;;
*deaf*) exec sleep 60 ;;
*hang*)
    echo "progress 0.5 100"
    while read -r line; do [ "$line" = stop ] && break; done
    result 0.5 ;;
*slow*) sleep 2; result 3 ;;
*late*) result 3; exit 1 ;;
*) sleep 0.2; result 3 ;;
esac
