#!/usr/bin/env bash
# End-to-end checks of kirabel-render: exit codes, output files, --jobs
# independence, dry-run output.
set -u
. "$(dirname "$0")/checks.sh"


# expect_exit CODE ARGS...: runs the renderer and checks its exit status.
expect_exit() {
  local want="$1"
  shift
  "$render" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "exit $got, expected $want: $* ($(head -c 300 "$work/err"))"
}

cat >"$work/scene.pcl" <<'PCL'
[HEADER]
ID=PCL
VER=0020
nSET=2
[ENV]
G=0.05
ST=8
IT=1.5
NF=3
AUTOSAVE=0
NAME=ignored.bmp
[P0]
name=shell
colR=255
colG=180
colB=60
N=120
P0x=40
P0y=30
b=2
eb=1
db=3.14159265358979
et=1
lt=6
elt=1
tv=3
ns=12
child=1
am=2
[P1]
name=star
colR=90
colG=160
colB=255
N=40
b=1
eb=0.5
db=3.14159265358979
et=0.5
lt=4
elt=1
tv=2
ns=8
visible=0
child=-1
PCL

# Command line errors: exit 2.
expect_exit 2
expect_exit 2 --no-such-option "$work/scene.pcl"
expect_exit 2 --size 10000x10 "$work/scene.pcl"
expect_exit 2 --size 64 "$work/scene.pcl"
expect_exit 2 --format tiff "$work/scene.pcl"
expect_exit 2 --jobs 0 "$work/scene.pcl"
expect_exit 2 --frames abc "$work/scene.pcl"
expect_exit 2 "$work/scene.pcl" "$work/other.pcl"

expect_exit 0 --help
grep -q -- "--max-particles" "$work/out" || fail "--help does not list the options"
expect_exit 0 --version
grep -q "^kirabel-render " "$work/out" || fail "--version prints no version"

# Unreadable input: exit 1 with a message.
expect_exit 1 -q "$work/missing.pcl"
[ -s "$work/err" ] || fail "no message for a missing file"
printf '[HEADER]\nID=XYZ\n' >"$work/foreign.pcl"
expect_exit 1 -q "$work/foreign.pcl"

# Dry run: the list, the estimate and the frames, nothing written.
expect_exit 0 --dry-run "$work/scene.pcl"
grep -q "^sets: 2$" "$work/out" || fail "dry run: sets"
grep -q "^visible sets: 1$" "$work/out" || fail "dry run: visible sets"
grep -q "^particles: 4920$" "$work/out" || fail "dry run: particles (120 + 120 x 40)"
grep -q "^frames: 3$" "$work/out" || fail "dry run: frames"
ls "$work"/*.BMP >/dev/null 2>&1 && fail "dry run wrote files"

# The launch settings pass the launch dialog's field rules: no negative
# interval or frame count, values beyond nine digits clamped, tiny ones 0.
sed -e 's/^IT=1.5$/IT=-2.5/' -e 's/^NF=3$/NF=-2.7/' -e 's/^G=0.05$/G=0.000000001/' \
  "$work/scene.pcl" >"$work/odd.pcl"
expect_exit 0 --dry-run --start 2e9 "$work/odd.pcl"
grep -q "^frames: 2$" "$work/out" || fail "dialog rules: frames"
grep -q "^start: 999999999  interval: 2.5  gravity: 0$" "$work/out" || fail "dialog rules: $(grep start "$work/out")"

# The particle limit refuses the launch.
expect_exit 1 -q --max-particles 4920 "$work/scene.pcl"
grep -q "4920" "$work/err" || fail "--max-particles: no clear message"
ls "$work"/*.BMP >/dev/null 2>&1 && fail "a refused launch wrote files"

# Default prefix: the file without its extension; three frames of 64 x 48.
expect_exit 0 -q --size 64x48 "$work/scene.pcl"
for i in 1 2 3; do
  f="$work/scene0000$i.BMP"
  [ -f "$f" ] || fail "missing $f"
  [ "$(stat -c %s "$f")" -eq $((54 + 192 * 48)) ] || fail "size of $f"
done
[ "$(head -c 2 "$work/scene00001.BMP")" = "BM" ] || fail "not a BMP file"

# Every --jobs gives the same bytes (a frame big enough to be shared out).
mkdir -p "$work/one" "$work/two" "$work/three"
sed 's/^N=120$/N=900/' "$work/scene.pcl" >"$work/big.pcl"
expect_exit 0 -q --antialias --wrap --size 96x80 --jobs 1 -o "$work/one/x.bmp" "$work/big.pcl"
expect_exit 0 -q --antialias --wrap --size 96x80 --jobs 2 -o "$work/two/x" "$work/big.pcl"
expect_exit 0 -q --antialias --wrap --size 96x80 --jobs 3 -o "$work/three/x" "$work/big.pcl"
for i in 1 2 3; do
  cmp -s "$work/one/x0000$i.BMP" "$work/two/x0000$i.BMP" || fail "--jobs 2 differs in frame $i"
  cmp -s "$work/one/x0000$i.BMP" "$work/three/x0000$i.BMP" || fail "--jobs 3 differs in frame $i"
done
cmp -s "$work/one/x00001.BMP" "$work/one/x00002.BMP" && fail "frames 1 and 2 are equal"

# Overrides: --frames and --start.
expect_exit 0 -q --size 32x32 --frames 1 --start 9 -o "$work/over" "$work/scene.pcl"
[ -f "$work/over00001.BMP" ] && [ ! -f "$work/over00002.BMP" ] || fail "--frames 1"

# PNG output through Qt's writer.
expect_exit 0 -q --size 40x30 --format png --frames 2 -o "$work/pic" "$work/scene.pcl"
[ "$(head -c 4 "$work/pic00001.png" | tail -c 3)" = "PNG" ] || fail "not a PNG file"
[ -f "$work/pic00002.png" ] || fail "second PNG missing"

# A frame that cannot be written: exit 1, message, earlier frames stay.
expect_exit 1 -q --size 16x16 -o "$work/nowhere/x" "$work/scene.pcl"
grep -q "x00001.BMP" "$work/err" || fail "unwritable frame: the message names no file"
mkdir -p "$work/part/x00002.BMP"  # a folder where frame 2 should go
expect_exit 1 -q --size 16x16 -o "$work/part/x" "$work/scene.pcl"
[ -f "$work/part/x00001.BMP" ] || fail "frame 1 was not kept"
[ -f "$work/part/x00003.BMP" ] && fail "the launch went on after a failed frame"
grep -q "frame 2" "$work/err" || fail "the message does not name frame 2"

# A read-only frame is refused and stays byte for byte; the run exits 1.
mkdir -p "$work/ro"
printf 'old frame' >"$work/ro/x00001.BMP"
chmod 0444 "$work/ro/x00001.BMP"
expect_exit 1 -q --size 16x16 -o "$work/ro/x" "$work/scene.pcl"
[ "$(cat "$work/ro/x00001.BMP")" = "old frame" ] || fail "a read-only frame was replaced"
grep -q "frame 1 not written: .*x00001.BMP cannot be written" "$work/err" ||
  fail "read-only frame: $(cat "$work/err")"
LANG=ja_JP.UTF-8 "$render" -q --size 16x16 -o "$work/ro/x" "$work/scene.pcl" 2>"$work/err"
grep -q "第 1 コマを書き出せません: .*x00001.BMP に書き込めません" "$work/err" ||
  fail "read-only frame in Japanese: $(cat "$work/err")"

finish kirabel-render
