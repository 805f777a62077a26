#!/usr/bin/env bash
# kirabel-render's animation options: --format names each animation with or
# without -o (the format named wins over the output's extension), --fps takes
# whole, decimal and N/D rates exactly and refuses nonsense, a space without
# pixels is refused before the encoder starts, and a failing encoder's words
# come as the reason on one line, never raw.
set -u
. "$(dirname "$0")/checks.sh"
cp "${KIRABEL_SOURCE_DIR:?}/examples/finale.pcl" "$work/show.pcl"
run() { "$render" -q --size 97x64 --frames 3 --start 30 "$@" "$work/show.pcl" 2>"$work/err"; }
# "container frames", and the rate when asked for with probe FILE rate.
probe() {
  local what=format=format_name:stream=nb_read_frames
  [ "${2:-}" = rate ] && what=stream=r_frame_rate
  ffprobe -v error -count_frames -select_streams v:0 -show_entries "$what" \
    -of default=nw=1:nk=1 "$1" | paste -sd' '
}

# Each format by name: alone it goes to FILE with its extension; with -o of
# another extension (or none) the file is still of the format named.
declare -A container=([gif]=gif [apng]=apng [webm]=matroska,webm [mp4]=mov,mp4,m4a,3gp,3g2,mj2)
for format in gif apng webm mp4; do
  rm -f "$work/show.$format"
  run --format "$format" || fail "--format $format: exit $? ($(cat "$work/err"))"
  [ "$(probe "$work/show.$format")" = "3 ${container[$format]}" ] ||
    fail "--format $format: $(probe "$work/show.$format")"
  run --format "${format^^}" -o "$work/other.bmp" || fail "--format ${format^^} -o other.bmp: exit $?"
  [ "$(probe "$work/other.bmp")" = "3 ${container[$format]}" ] ||
    fail "--format $format -o other.bmp: $(probe "$work/other.bmp")"
done

# Rates: decimals of video work and N/D reach the encoder exactly; a whole
# number written three ways gives the same bytes.
for rate in 29.97 30000/1001; do
  run --fps "$rate" -o "$work/ntsc.mp4" || fail "--fps $rate: exit $?"
  [ "$(probe "$work/ntsc.mp4" rate)" = 30000/1001 ] || fail "--fps $rate: $(probe "$work/ntsc.mp4" rate)"
done
run --fps 23.976 -o "$work/film.webm" && [ "$(probe "$work/film.webm" rate)" = 24000/1001 ] ||
  fail "--fps 23.976: $(probe "$work/film.webm" rate)"
n=0
for rate in 24 24.0 48/2; do
  n=$((n + 1))
  run --fps "$rate" -o "$work/whole$n.gif" || fail "--fps $rate: exit $?"
done
cmp -s "$work/whole1.gif" "$work/whole2.gif" && cmp -s "$work/whole1.gif" "$work/whole3.gif" ||
  fail "--fps 24, 24.0 and 48/2 differ"
for rate in 0 -30 1001 0.5 1/0 fast 30fps ""; do
  run --fps "$rate" -o "$work/bad.gif"
  [ $? -eq 2 ] || fail "--fps '$rate': not exit 2"
  grep -q -- "--fps: expected a rate from 1 to 1000" "$work/err" || fail "--fps '$rate': $(cat "$work/err")"
done

# A space without pixels: a clear refusal, nothing from the encoder, no file.
for size in 0x64 97x0 0x0; do
  "$render" -q --size "$size" --format webm -o "$work/empty.webm" "$work/show.pcl" 2>"$work/err"
  [ $? -eq 2 ] || fail "--size $size: not exit 2"
  [ "$(head -n 1 "$work/err")" = \
    "kirabel-render: cannot make an animation of a $size space: it needs at least 1x1 pixels" ] ||
    fail "--size $size: $(cat "$work/err")"
  [ "$(wc -l <"$work/err")" -eq 2 ] || fail "--size $size: more than the message: $(cat "$work/err")"
  [ -e "$work/empty.webm" ] && fail "--size $size: a file was made"
done

# A failing encoder: its last meaningful line is the reason, on one line.
mkdir "$work/bin"
printf '#!/bin/sh\ncat >/dev/null\necho "[libx264 @ 0x55d0] one" >&2\necho "[mp4 @ 0x55d1] disk said no" >&2\necho "Conversion failed!" >&2\nexit 1\n' \
  >"$work/bin/ffmpeg"
chmod +x "$work/bin/ffmpeg"
PATH="$work/bin:$PATH" run -o "$work/failed.mp4"
[ $? -eq 1 ] || fail "failing encoder: not exit 1"
[ "$(cat "$work/err")" = "kirabel-render: the encoder ffmpeg failed on $work/failed.mp4: mp4: disk said no" ] ||
  fail "failing encoder: $(cat "$work/err")"
ls -A "$work" | grep -q '^\.kirabel' && fail "a temporary file was left"

finish "animation option"
