#!/usr/bin/env bash
# kirabel-render --long-exposure: the frames selected stacked into one picture
# at the output file itself. Adding gives each 16-bit value the sum of the
# frames' values held at 65535 (the classic look), lightening their largest.
set -u
. "$(dirname "$0")/checks.sh"
# A ring of stars that swells and fades, bright enough to saturate when added.
scene="$work/shell.pcl"
cat >"$scene" <<'PCL'
[HEADER]
ID=PCL
VER=0020
nSET=1
[ENV]
G=0.02
ST=0
IT=2
NF=10
[P0]
name=ring
colR=255
colG=160
colB=60
N=120
P0x=32
P0y=24
b=1
eb=0.2
db=3.14159265358979
et=0
lt=14
elt=2
tv=2
ns=8
PCL
run() { "$render" -q --size 64x48 "$@" "$scene" 2>"$work/err"; }

# The 16-bit values of a PNG file, one a line (ffmpeg decodes it).
values() { ffmpeg -v error -i "$1" -pix_fmt rgb48le -f rawvideo - | od -An -v -tu2 | tr -s ' ' '\n' | sed '/^$/d'; }

# stack add|lighten STILL FRAME...: whether STILL holds the frames' saturated
# sum or their maximum, value by value.
stack() {
  local mode="$1" still="$2" i=0 frame
  shift 2
  values "$still" >"$work/still"
  for frame; do values "$frame" >"$work/values$((i++))"; done
  paste "$work/still" "$work"/values* | awk -v mode="$mode" '
    { s = 0; m = 0; for (i = 2; i <= NF; i++) { s += $i; if ($i > m) m = $i }
      if ($1 != (mode == "lighten" ? m : s > 65535 ? 65535 : s)) bad++
      if (s > 65535) saturated++ }
    END { if (bad) print bad " values differ"; else if (mode == "add" && !saturated) print "none saturates" }' \
    >"$work/verdict"
  [ -s "$work/verdict" ] && fail "$mode: $(cat "$work/verdict")"
  rm -f "$work"/values*
}

run --format png16 --range 3-7 -o "$work/f" || fail "png16 frames: exit $?"
run --long-exposure --format png16 --range 3-7 -o "$work/add.png" || fail "add: exit $?"
stack add "$work/add.png" "$work"/f0000[3-7].png
run --long-exposure lighten --format png16 --range 3-7 -o "$work/lighten.png" || fail "lighten: exit $?"
stack lighten "$work/lighten.png" "$work"/f0000[3-7].png
# The film look's frames are developed before they are compared.
run --look film --format png16 --range 3-7 -o "$work/film" || fail "film frames: exit $?"
run --look film --long-exposure lighten --format png16 --range 3-7 -o "$work/film.png" ||
  fail "film lighten: exit $?"
stack lighten "$work/film.png" "$work"/film0000[3-7].png

# The mode word is optional; the output name picks BMP; without -o the
# input's name with the picture's extension; the range defaults to all frames.
run --long-exposure --range 3-7 -o "$work/bare.png" || fail "bare: exit $?"
run --long-exposure add --range 3-7 -o "$work/named.png" || fail "named: exit $?"
cmp -s "$work/bare.png" "$work/named.png" || fail "--long-exposure is not --long-exposure add"
run --long-exposure -o "$work/still.BMP" || fail "bmp: exit $?"
[ "$(head -c 2 "$work/still.BMP")" = BM ] || fail "an output ending in .BMP is not a BMP"
run --long-exposure || fail "without -o: exit $?"
[ -s "$work/shell.png" ] || fail "--long-exposure without -o did not write shell.png"

# Animations, shards and unknown modes are a bad command line; a launch
# without frames a failure that writes nothing.
for bad in "--format gif" "--shard 1/2" "--fullest" "--long-exposure=brighter"; do
  run --long-exposure $bad -o "$work/none.png"
  [ $? -eq 2 ] || fail "--long-exposure $bad: not exit 2"
done
run --long-exposure --range 11-11 -o "$work/none.png"
[ $? -eq 1 ] || fail "--long-exposure without frames: not exit 1"
grep -q "no frame" "$work/err" || fail "--long-exposure without frames: $(cat "$work/err")"
[ -e "$work/none.png" ] && fail "--long-exposure without frames wrote a file"

finish "long exposure"
