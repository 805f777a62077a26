#!/usr/bin/env bash
# kirabel-render's look: --look classic draws the classic frames of a film
# list, the film look's options are checked, a missing sky photo fails
# before anything is written, and a photo behind shows where nothing is lit.
set -u
. "$(dirname "$0")/checks.sh"
scene="${KIRABEL_SOURCE_DIR:?}/examples/ring.pcl"
sed '/^\[LOOK\]/,$d' "$scene" >"$work/classic.pcl"

"$render" -q --range 3-3 --format png -o "$work/a" "$work/classic.pcl" || fail "classic list"
"$render" -q --range 3-3 --format png --look classic -o "$work/b" "$scene" || fail "--look classic"
cmp -s "$work/a00003.png" "$work/b00003.png" || fail "--look classic differs from the classic list"
"$render" -q --range 3-3 --format png -o "$work/c" "$scene" || fail "film list"
cmp -s "$work/a00003.png" "$work/c00003.png" && fail "the film look draws the classic picture"

for bad in "--look sepia" "--exposure 11" "--glow -1" "--background nothing-such"; do
  # shellcheck disable=SC2086
  "$render" -q $bad -o "$work/bad" "$scene" 2>"$work/err"
  status=$?
  [ "$status" -ne 0 ] || fail "$bad accepted"
  [ -s "$work/err" ] || fail "$bad: no message"
done
ls "$work"/bad* >/dev/null 2>&1 && fail "a refused look wrote files"

"$render" -q --fullest --background "$work/missing.png" -o "$work/m.png" "$scene" 2>"$work/err"
[ $? -eq 1 ] || fail "a missing photo is not a failure"
grep -q "missing.png" "$work/err" || fail "the message does not name the photo"
[ -e "$work/m.png" ] && fail "a missing photo wrote a picture"

# A photo of the picture's own size: its pixels stay where no light falls.
ffmpeg -loglevel error -f lavfi -i "testsrc=size=96x64" -frames:v 1 -y "$work/photo.png" ||
  fail "no photo made"
"$render" -q -s 96x64 --range 2-2 --glow 0 --background "$work/photo.png" --format png \
  -o "$work/p" "$scene" || fail "photo render"
ffmpeg -loglevel error -i "$work/photo.png" -f rawvideo -pix_fmt rgb24 -y "$work/photo.rgb"
ffmpeg -loglevel error -i "$work/p00002.png" -f rawvideo -pix_fmt rgb24 -y "$work/p.rgb"
same=$(cmp -l "$work/photo.rgb" "$work/p.rgb" | wc -l)
[ "$same" -lt $((96 * 64 * 3 / 2)) ] || fail "the photo does not show behind the fireworks"
cmp -n 288 -s "$work/photo.rgb" "$work/p.rgb" || fail "the unlit top row differs from the photo"
finish look
