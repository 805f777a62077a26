#!/usr/bin/env bash
# kirabel-render --fullest: of the frames selected, the first whose picture's
# bytes add up to the most, written to the output file itself in the format
# asked for, byte for byte the numbered frame of that number.
set -u
. "$(dirname "$0")/checks.sh"
# A rising star bursting into a ring that swells and fades; frames 2 to 5
# hold the same light (the star alone).
scene="$work/shell.pcl"
cat >"$scene" <<'PCL'
[HEADER]
ID=PCL
VER=0020
nSET=2
[ENV]
G=0.02
ST=0
IT=2
NF=12
[P0]
name=rising star
N=1
P0x=32
P0y=46
b=2
eb=0
vb=-1.5707963267949
db=0
et=0
lt=10
elt=0
tv=2
ns=8
child=1
[P1]
name=ring stars
colR=255
colG=160
colB=60
N=60
b=1
eb=0.2
db=3.14159265358979
et=0
lt=8
elt=2
tv=2
ns=8
visible=0
PCL
run() { "$render" -q --size 64x48 "$@" "$scene" 2>"$work/err"; }

# The byte sum of a 24-bit BMP 64 pixels wide (its rows carry no padding).
byte_sum() { tail -c +55 "$1" | od -An -v -tu1 | awk '{ for (i = 1; i <= NF; i++) s += $i } END { print s }'; }

run -o "$work/f" || fail "frames: exit $?"
run --format png -o "$work/p" || fail "png frames: exit $?"
fullest=0 most=-1
for i in $(seq 1 12); do
  sum=$(byte_sum "$(printf '%s/f%05d.BMP' "$work" "$i")")
  [ "$sum" -gt "$most" ] && most=$sum fullest=$i
done
[ "$fullest" -gt 1 ] && [ "$fullest" -lt 12 ] || fail "the scene's fullest frame is $fullest"
fullest=$(printf '%05d' "$fullest")

run --fullest --format bmp -o "$work/fullest.bmp" || fail "--fullest bmp: exit $?"
cmp -s "$work/fullest.bmp" "$work/f$fullest.BMP" || fail "--fullest bmp is not frame $fullest"
run --fullest -o "$work/fullest.png" || fail "--fullest png: exit $?"
cmp -s "$work/fullest.png" "$work/p$fullest.png" || fail "--fullest png is not frame $fullest"
run --fullest -o "$work/named.BMP" || fail "--fullest to .BMP: exit $?"
cmp -s "$work/named.BMP" "$work/fullest.bmp" || fail "an output ending in .BMP is not a BMP"
run --fullest --range 2-5 -o "$work/star.bmp" || fail "--fullest --range: exit $?"
cmp -s "$work/star.bmp" "$work/f00002.BMP" || fail "--fullest --range 2-5 is not frame 2, the first"

# Without -o: the input's name with the picture's extension.
run --fullest || fail "--fullest without -o: exit $?"
cmp -s "$work/shell.png" "$work/fullest.png" || fail "--fullest without -o did not write shell.png"

# An animation format is a bad command line; a launch without frames a failure.
run --fullest --format gif -o "$work/none"
[ $? -eq 2 ] || fail "--fullest --format gif: not exit 2"
run --fullest --range 13-13 -o "$work/none.png"
[ $? -eq 1 ] || fail "--fullest without frames: not exit 1"
grep -q "no frame" "$work/err" || fail "--fullest without frames: $(cat "$work/err")"
[ -e "$work/none.png" ] && fail "--fullest without frames wrote a file"

finish fullest
