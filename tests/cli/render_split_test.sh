#!/usr/bin/env bash
# Splitting a render: --range, --shard (run one after another and through GNU
# parallel) and --skip-existing write the same files, byte for byte, as one run.
set -u
. "$(dirname "$0")/checks.sh"
scene="${KIRABEL_SOURCE_DIR:?}/examples/finale.pcl"
run() { "$render" -q --size 48x40 --frames 7 "$@" "$scene" 2>>"$work/err" || fail "exit $?: $*"; }
# same DIR: every frame file of the single run is there and equal, and no other.
same() {
  [ "$(ls "$work/$1" | wc -l)" -eq 7 ] || fail "$1: $(ls "$work/$1" | wc -l) files"
  for f in "$work"/one/*; do
    cmp -s "$f" "$work/$1/$(basename "$f")" || fail "$1: $(basename "$f") differs"
  done
}

mkdir -p "$work"/{one,shards,range,parallel,rerun}
run -o "$work/one/f"
[ "$(ls "$work/one" | wc -l)" -eq 7 ] || fail "one run wrote $(ls "$work/one" | wc -l) files"

for i in 1 2 3; do run --shard "$i/3" -o "$work/shards/f"; done
same shards

run --range 3-5 -o "$work/range/f"
[ "$(ls "$work/range")" = "$(printf 'f00003.BMP\nf00004.BMP\nf00005.BMP')" ] ||
  fail "--range 3-5 wrote: $(ls "$work/range" | tr '\n' ' ')"
run --range 3-5 --shard 1/2 -o "$work/range/g"
[ "$(ls "$work/range" | grep -c '^g')" -eq 2 ] || fail "--range 3-5 --shard 1/2: not frames 3 and 4"

# The same three shards as parallel jobs.
parallel --will-cite -j 3 "$render" -q --jobs 1 --size 48x40 --frames 7 --shard {}/3 \
  -o "$work/parallel/f" "$scene" ::: 1 2 3 || fail "GNU parallel exit $?"
same parallel

# A rerun after a killed worker: missing frames are drawn, present ones left.
cp "$work"/one/* "$work/rerun/"
rm "$work/rerun/f00004.BMP"
printf 'kept' >"$work/rerun/f00002.BMP"
run --skip-existing -o "$work/rerun/f"
cmp -s "$work/one/f00004.BMP" "$work/rerun/f00004.BMP" || fail "--skip-existing: frame 4 not redrawn"
[ "$(cat "$work/rerun/f00002.BMP")" = "kept" ] || fail "--skip-existing replaced frame 2"

finish split
