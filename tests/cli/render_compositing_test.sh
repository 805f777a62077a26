#!/usr/bin/env bash
# kirabel-render's outputs for compositing and grading: OpenEXR frames, PNG
# and animations with alpha, MOV, and the video's chroma and colour tags, as
# ffprobe sees them; an output that cannot keep alpha is a usage error.
set -u
. "$(dirname "$0")/checks.sh"
scene="${KIRABEL_SOURCE_DIR:?}/examples/finale.pcl"
run() { "$render" -q --size 97x64 --frames 3 --start 30 "$@" "$scene" 2>"$work/err"; }
probe() {
  ffprobe -v error -select_streams v:0 -show_entries "stream=$1" -of csv=p=0 "$2" | head -1
}

run --format exr -o "$work/light" || fail "exr: exit $? ($(cat "$work/err"))"
for i in 1 3; do
  [ "$(probe codec_name "$work/light0000$i.exr")" = exr ] || fail "frame $i is no OpenEXR file"
done
run --format png --alpha -o "$work/cut" || fail "png --alpha: exit $?"
[ "$(probe pix_fmt "$work/cut00001.png")" = rgba ] || fail "png --alpha: not RGBA"

# One row per choice: options, file, the stream's "codec,pix_fmt[,tag]".
while IFS='|' read -r options file want; do
  # shellcheck disable=SC2086
  run $options -o "$work/$file" || fail "$options $file: exit $? ($(cat "$work/err"))"
  got=$(probe codec_name,pix_fmt:stream_tags=alpha_mode "$work/$file" | sed 's/,$//')
  [ "$got" = "$want" ] || fail "$options $file: $got, expected $want"
done <<'ROWS'
--alpha|cut.webm|vp9,yuv420p,1
--alpha|cut.mov|prores,yuva444p12le
|plain.mov|prores,yuv444p12le
--alpha|cut.apng|apng,rgba
|plain.mp4|h264,yuv420p
--chroma 444 --quality 90|fine.mp4|h264,yuv444p10le
--chroma 444|fine.webm|vp9,yuv444p10le
ROWS
[ "$(probe color_space,color_transfer,color_range "$work/plain.mp4")" = "tv,bt709,iec61966-2-1" ] ||
  fail "mp4: not tagged as BT.709 video range"

# Formats that cannot keep alpha, and choices a format does not take.
for options in "--alpha --format gif" "--alpha --format mp4" "--alpha --format bmp" \
  "--quality 50 --format gif" "--chroma 422 --format mp4" "--quality 101 --format webm"; do
  # shellcheck disable=SC2086
  run $options -o "$work/refused"
  [ $? -eq 2 ] || fail "$options: not exit 2"
done
ls "$work" | grep -q refused && fail "a refused output left a file"

finish compositing
