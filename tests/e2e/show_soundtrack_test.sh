#!/usr/bin/env bash
# The show's soundtrack: its true peak (between samples, as a player
# reconstructs it) stays at or below -1 dBTP, and its loudness builds into the
# finale instead of staying flat.
set -u
. "$(dirname "$0")/../cli/checks.sh"
track="${KIRABEL_SOURCE_DIR:?}/examples/show.ogg"
peak=$(ffmpeg -hide_banner -nostats -i "$track" -af ebur128=peak=true -f null - 2>&1 |
  awk '/True peak:/ { getline; print $2 }')
awk -v p="$peak" 'BEGIN { exit !(p != "" && p <= -1.0) }' || fail "true peak $peak dBTP is above -1 dBTP"
# Mean level of 5 s at the start and in the finale.
level() {
  ffmpeg -hide_banner -nostats -ss "$1" -t 5 -i "$track" -af volumedetect -f null - 2>&1 |
    awk '/mean_volume/ { print $5 }'
}
start=$(level 1)
finale=$(level 39)
awk -v a="$start" -v b="$finale" 'BEGIN { exit !(b - a >= 4) }' ||
  fail "the finale ($finale dB) is not clearly louder than the start ($start dB)"
finish "show soundtrack"
