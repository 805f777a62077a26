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

# stack.py add|lighten STILL FRAME...: whether STILL holds the saturated sum
# or the maximum of the frames' values (8- or 16-bit RGB PNG files, read with
# nothing but zlib).
cat >"$work/stack.py" <<'PY'
import struct, sys, zlib

def values(path):
    data = open(path, "rb").read()
    pos, idat = 8, b""
    while pos < len(data):
        size, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + size]
        if kind == b"IHDR":
            width, height, depth = struct.unpack(">IIB", body[:9])
        elif kind == b"IDAT":
            idat += body
        pos += size + 12
    unit = depth // 8 * 3
    stride, raw, rows, prev = width * unit, zlib.decompress(idat), [], bytearray(width * unit)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - unit] if i >= unit else 0
            b, c = prev[i], prev[i - unit] if i >= unit else 0
            p = a + b - c
            near = a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c) else b if abs(p - b) <= abs(p - c) else c
            line[i] = (line[i] + [0, a, b, (a + b) // 2, near][kind]) & 255
        rows.append(line)
        prev = line
    flat = b"".join(rows)
    return list(flat) if depth == 8 else [flat[i] << 8 | flat[i + 1] for i in range(0, len(flat), 2)]

mode, still, frames = sys.argv[1], values(sys.argv[2]), [values(f) for f in sys.argv[3:]]
top = 255 if max(still) < 256 and all(max(f) < 256 for f in frames) else 65535
want = [min(top, sum(v)) if mode == "add" else max(v) for v in zip(*frames)]
if still != want:
    sys.exit("%s: %d of %d values differ" % (mode, sum(a != b for a, b in zip(still, want)), len(want)))
if mode == "add" and not any(sum(v) > top for v in zip(*frames)):
    sys.exit("add: no value saturates, the scene proves nothing")
PY
stack() { python3 "$work/stack.py" "$@" 2>&1 || fail "$*"; }

run --format png16 --range 3-7 -o "$work/f" || fail "png16 frames: exit $?"
run --format png --range 3-7 -o "$work/p" || fail "png frames: exit $?"
run --long-exposure --format png16 --range 3-7 -o "$work/add.png" || fail "add: exit $?"
stack add "$work/add.png" "$work"/f0000[3-7].png
run --long-exposure lighten --format png16 --range 3-7 -o "$work/lighten.png" || fail "lighten: exit $?"
stack lighten "$work/lighten.png" "$work"/f0000[3-7].png
run --long-exposure=lighten --range 3-7 -o "$work/lighten8.png" || fail "lighten png: exit $?"
stack lighten "$work/lighten8.png" "$work"/p0000[3-7].png

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
