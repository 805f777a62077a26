#!/usr/bin/env bash
# kirabel-render --long-exposure: the frames selected stacked into one picture
# at the output file itself. Adding gives each 16-bit value the sum of the
# frames' values held at 65535 (the classic look), lightening their largest.
set -u
. "$(dirname "$0")/checks.sh"
command -v python3 >/dev/null || { echo "python3 missing: long exposure checks skipped"; exit 0; }
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

# stack.py add|lighten STILL FRAME...: whether the 16-bit PNG STILL holds the
# frames' saturated sum or their maximum (read with nothing but zlib).
cat >"$work/stack.py" <<'PY'
import struct, sys, zlib

def values(path):
    data, pos, idat = open(path, "rb").read(), 8, b""
    while pos < len(data):
        size, kind = struct.unpack(">I4s", data[pos:pos + 8])
        if kind == b"IHDR":
            width, height = struct.unpack(">II", data[pos + 8:pos + 16])
        idat += data[pos + 8:pos + 8 + size] if kind == b"IDAT" else b""
        pos += size + 12
    raw, stride, rows, up = zlib.decompress(idat), width * 6, b"", bytearray(width * 6)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a, b, c = line[i - 6] if i >= 6 else 0, up[i], up[i - 6] if i >= 6 else 0
            p = a + b - c
            paeth = min((abs(p - a), 0, a), (abs(p - b), 1, b), (abs(p - c), 2, c))[2]
            line[i] = (line[i] + [0, a, b, (a + b) // 2, paeth][kind]) & 255
        rows, up = rows + line, line
    return [rows[i] << 8 | rows[i + 1] for i in range(0, len(rows), 2)]

mode, still, frames = sys.argv[1], values(sys.argv[2]), [values(f) for f in sys.argv[3:]]
want = [min(65535, sum(v)) if mode == "add" else max(v) for v in zip(*frames)]
if still != want:
    sys.exit("%s: %d values differ" % (mode, sum(a != b for a, b in zip(still, want))))
if mode == "add" and all(sum(v) <= 65535 for v in zip(*frames)):
    sys.exit("add: no value saturates, the scene proves nothing")
PY
stack() { python3 "$work/stack.py" "$@" 2>&1 || fail "$*"; }

run --format png16 --range 3-7 -o "$work/f" || fail "png16 frames: exit $?"
run --long-exposure --format png16 --range 3-7 -o "$work/add.png" || fail "add: exit $?"
stack add "$work/add.png" "$work"/f0000[3-7].png
run --long-exposure lighten --format png16 --range 3-7 -o "$work/lighten.png" || fail "lighten: exit $?"
stack lighten "$work/lighten.png" "$work"/f0000[3-7].png

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
