#!/usr/bin/env bash
# kirabel-render's soundtrack: MP4 and WebM carry it, placed by --audio-offset
# and cut to the frames written (a --range starting later starts it later),
# each click heard within a millisecond of its time and the sound as long as
# the pictures; --no-audio and the picture-only formats leave it out; a
# missing or undecodable soundtrack fails before any file is written.
set -u
. "$(dirname "$0")/checks.sh"
cp "${KIRABEL_SOURCE_DIR:?}/examples/finale.pcl" "$work/show.pcl"
# 2 ms clicks at 0 s and 0.5 s of a 0.6 s track (shorter than the video), at a
# rate other than the output's.
ffmpeg -v error -f lavfi -i "aevalsrc='if(lt(mod(t,0.5),0.002),0.8,0)':s=44100:d=0.6" \
  "$work/clicks.wav"
run() { "$render" -q --size 16x16 --frames 30 --fps 30 "$@" "$work/show.pcl" 2>"$work/err"; }
# "milliseconds of sound: onset onset ..." of a file's decoded sound.
sound() {
  ffmpeg -v error -i "$1" -map 0:a:0 -f s16le -ac 1 -ar 48000 - | od -An -v -td2 -w2 |
    awk '{ v = $1 < 0 ? -$1 : $1 } v > 4000 { if (NR - last > 4800) on = on sprintf(" %.2f", (NR - 1) / 48); last = NR }
         END { printf "%.2f:%s\n", NR / 48, on }'
}
# near "A:B C" "A:B C" TOLERANCE: every number within TOLERANCE of the other's.
near() {
  awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN {
    sub(/^[: ]+/, "", a); sub(/^[: ]+/, "", b)
    n = split(a, x, /[: ]+/); m = split(b, y, /[: ]+/); if (n != m) exit 1
    for (i = 1; i <= n; i++) if (x[i] - y[i] > t || y[i] - x[i] > t) exit 1 }'
}
# check NAME MILLISECONDS "CLICK ..." ARGS...: the sound as long as the
# pictures within a frame (33.3 ms at 30 fps), each click within 1 ms.
check() {
  local name=$1 length=$2 clicks=$3 got
  shift 3
  rm -f "$work/$name"
  run -o "$work/$name" "$@" || { fail "$name $*: exit $? ($(cat "$work/err"))"; return; }
  got="$(sound "$work/$name")"
  near "${got%%:*}" "$length" 33.3 || fail "$name $*: $got ms of sound, not $length"
  near "${got#*:}" "$clicks" 1 || fail "$name $*: clicks at${got#*:} ms, not $clicks"
}
for format in mp4 webm; do
  # 30 frames: 1000 ms; the sound starts 250 ms in.
  check "late.$format" 1000 "250 750" --audio "$work/clicks.wav" --audio-offset 0.25
  # Its first 100 ms skipped.
  check "early.$format" 1000 "400" --audio "$work/clicks.wav" --audio-offset -0.1
  # Frames 10..30 start at 0.3 s: 700 ms, the click of 0.75 s at 450 ms.
  check "range.$format" 700 "450" --audio "$work/clicks.wav" --audio-offset 0.25 --range 10-30
done

# Frames of a range rendered as PNG in three shards, then made into a video
# with the soundtrack by scripts/frames-to-video: the same sound and pictures
# as one run.
mkdir "$work/frames"
for i in 1 2 3; do
  run --format png --range 10-30 --shard "$i/3" -o "$work/frames/f" || fail "--shard $i/3: exit $?"
done
for format in mp4 webm; do
  "${KIRABEL_SOURCE_DIR}/scripts/frames-to-video" "$work/frames/f" 10 30 30 "$work/joined.$format" \
    "$work/clicks.wav" 0.25 || fail "frames-to-video $format: exit $?"
  near "$(sound "$work/joined.$format")" "$(sound "$work/range.$format")" 1 ||
    fail "frames-to-video $format: $(sound "$work/joined.$format") not $(sound "$work/range.$format")"
  pictures() { ffmpeg -v error -i "$1" -map 0:v -f framemd5 - | grep -v '^#'; }
  [ "$(pictures "$work/joined.$format")" = "$(pictures "$work/range.$format")" ] ||
    fail "frames-to-video $format: other pictures than one run's"
done

# The list's own show: its rate and its soundtrack (relative to the list) by default.
cp "$work/show.pcl" "$work/listed.pcl"
printf '[SHOW]\r\nFPS=25\r\nAUDIO=clicks.wav\r\nAUDIOOFFSET=0.25\r\n' >>"$work/listed.pcl"
"$render" -q --size 16x16 --frames 25 -o "$work/listed.mp4" "$work/listed.pcl" 2>"$work/err" ||
  fail "the list's soundtrack: $(cat "$work/err")"
[ "$(ffprobe -v error -select_streams v -show_entries stream=r_frame_rate -of csv=p=0 \
  "$work/listed.mp4")" = "25/1" ] || fail "the list's FPS is not the video's rate"
listed="$(sound "$work/listed.mp4")"
near "${listed%%:*}" 1000 40 && near "${listed#*:}" "250 750" 1 ||
  fail "the list's soundtrack: $listed"

# No sound with --no-audio, nor in a GIF.
has_sound() { [ -n "$(ffprobe -v error -select_streams a -show_entries stream=index -of csv=p=0 "$1")" ]; }
run -o "$work/quiet.mp4" --audio "$work/clicks.wav" --no-audio && ! has_sound "$work/quiet.mp4" ||
  fail "--no-audio: sound kept"
run -o "$work/still.gif" --audio "$work/clicks.wav" && ! has_sound "$work/still.gif" ||
  fail "--audio with a GIF: $(cat "$work/err")"

# A file whose name ffmpeg could take for an address is still a file.
cp "$work/clicks.wav" "$work/data:clicks.wav"
(cd "$work" && run -o named.mp4 --audio "data:clicks.wav") && has_sound "$work/named.mp4" ||
  fail "--audio data:clicks.wav: $(cat "$work/err")"

# A soundtrack that cannot be had: exit 1, a message naming it, no file.
echo "not a sound" >"$work/text.wav"
for track in missing.wav text.wav; do
  for format in mp4 webm; do
    run -o "$work/none.$format" --audio "$work/$track"
    [ $? -eq 1 ] || fail "--audio $track: not exit 1"
    [ -e "$work/none.$format" ] && fail "--audio $track: $format written"
    ls -a "$work" | grep -q kirabel-animation && fail "--audio $track: a temporary file stays"
  done
done
run -o "$work/none.mp4" --audio "$work/missing.wav"
grep -q "^kirabel-render: the soundtrack $work/missing.wav does not exist" "$work/err" ||
  fail "missing soundtrack: $(cat "$work/err")"
run -o "$work/none.mp4" --audio "$work/text.wav"
grep -q "the soundtrack $work/text.wav holds no sound that can be decoded: $work/text.wav: " "$work/err" ||
  fail "undecodable soundtrack: $(cat "$work/err")"
LANG=ja_JP.UTF-8 run -o "$work/none.mp4" --audio "$work/missing.wav"
grep -q "サウンドトラック $work/missing.wav がありません" "$work/err" ||
  fail "missing soundtrack in Japanese: $(cat "$work/err")"
run -o "$work/none.mp4" --audio "$work/still.gif"
grep -q "the soundtrack $work/still.gif holds no sound that can be decoded$" "$work/err" ||
  fail "soundtrack without sound: $(cat "$work/err")"
run --audio-offset soon -o "$work/none.mp4"
[ $? -eq 2 ] && grep -q -- "--audio-offset: not a number: soon" "$work/err" ||
  fail "--audio-offset soon: $(cat "$work/err")"

# The show among the examples: a second of it from its first burst on, with
# its own soundtrack as long as the pictures.
"$render" -q --size 32x32 --range 76-105 -o "$work/example.mp4" \
  "$KIRABEL_SOURCE_DIR/examples/show.pcl" 2>"$work/err" || fail "the show example: $(cat "$work/err")"
example="$(sound "$work/example.mp4")"
near "${example%%:*}" 1000 33.3 || fail "the show example: $example ms of sound, not 1000"

finish soundtrack
