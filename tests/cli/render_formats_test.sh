#!/usr/bin/env bash
# kirabel-render's animations through ffmpeg: every format has the frames, the
# size and the rate asked for; a lossless one decodes to the BMP frames; a
# missing encoder or an unwritable file is a clear failure that leaves no file
# behind and an older one as it was.
set -u
. "$(dirname "$0")/checks.sh"
scene="${KIRABEL_SOURCE_DIR:?}/examples/finale.pcl"
run() { "$render" -q --size 97x64 --frames 5 --start 30 "$@" "$scene" 2>"$work/err"; }

for format in gif apng webm mp4; do
  run --fps 12 -o "$work/show.$format" || fail "$format: exit $? ($(cat "$work/err"))"
  info=$(ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=nb_read_frames,width,height,r_frame_rate -of csv=p=0 "$work/show.$format")
  want="97,64,12/1,5"
  [ "$format" = mp4 ] && want="98,64,12/1,5"  # H.264 wants an even width
  [ "$info" = "$want" ] || fail "$format: $info, expected $want"
done

# APNG is lossless: its frames are the BMP frames.
run -o "$work/f" || fail "bmp frames: exit $?"
for i in 1 5; do
  ffmpeg -v error -i "$work/f0000$i.BMP" -pix_fmt bgr24 -f rawvideo "$work/bmp$i" || fail "decode bmp"
done
ffmpeg -v error -i "$work/show.apng" -pix_fmt bgr24 -f rawvideo "$work/apng" || fail "decode apng"
cat "$work/bmp1" >"$work/first"
cmp -s "$work/first" <(head -c "$(stat -c %s "$work/bmp1")" "$work/apng") ||
  fail "the APNG's first frame differs from the BMP"
cmp -s "$work/bmp5" <(tail -c "$(stat -c %s "$work/bmp5")" "$work/apng") ||
  fail "the APNG's last frame differs from the BMP"

# No encoder: exit 1 with a clear message, no file.
PATH=/nonexistent run -o "$work/none.gif"
[ $? -eq 1 ] || fail "missing ffmpeg: not exit 1"
grep -q "ffmpeg" "$work/err" || fail "missing ffmpeg: no clear message"
[ -e "$work/none.gif" ] && fail "missing ffmpeg: a file was left"

# A read-only older file stays, and no temporary file is left.
printf 'old' >"$work/ro.mp4"
chmod 0444 "$work/ro.mp4"
run -o "$work/ro.mp4"
[ $? -eq 1 ] || fail "read-only animation: not exit 1"
[ "$(cat "$work/ro.mp4")" = old ] || fail "read-only animation replaced"
ls -A "$work" | grep -q '^\.kirabel' && fail "a temporary file was left"

finish format
