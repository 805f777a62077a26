#!/usr/bin/env bash
# Frame bytes of small scenes against stored hashes. The hashes were made by a
# separate, plain reading of the launch rules (double-checked against the
# renderer on thousands of random scenes), so a change in the renderer's
# arithmetic, draw order or pixel layout shows up here.
#
# Scenes (tests/data/render):
#   generations        child chains over five generations, through an invisible
#                      set and a set that is its own child; centred modes
#   modes              equally spaced factors with N = 3 and modes 7 and -1;
#                      NF 2.9 gives two frames
#   trails             ns 0, -3, 1 and 200; tv 0; negative tv (a trail that
#                      steps backwards in time)
#   bursts_g0          a burst at rest (direction 0) and one falling straight
#                      down (direction pi), no gravity
#   bursts_negative_g  the same under negative gravity
#   edges              samples at x = -0.5, 10.5 and beyond the right edge,
#                      particles leaving the space
#   settings           negative IT and NF and a tiny G, as the launch dialog
#                      adjusts them (magnitudes; G below the field's precision is 0)
#   shared_work        a generation of 9000 particles, split among threads
set -u
render="${KIRABEL_BUILD_DIR:?}/kirabel-render"
data="${KIRABEL_SOURCE_DIR:?}/tests/data/render"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# case name, size, options, threads
cases=(
  "plain 64x48 --jobs=1"
  "aa 64x48 --antialias --jobs=2"
  "aawrap 33x17 --antialias --wrap --jobs=1"
  "column 1x50 --wrap --jobs=2"
  "row 50x1 --antialias --jobs=1"
  "tiny 7x5 --antialias --wrap --jobs=2"
)

for entry in "${cases[@]}"; do
  read -r name size options <<<"$entry"
  for scene in "$data"/*.pcl; do
    base="$(basename "$scene" .pcl)"
    # shellcheck disable=SC2086
    if ! "$render" -q -s "$size" $options -o "$work/${base}_$name" "$scene" 2>"$work/err"; then
      echo "FAIL: $base $name: $(head -c 300 "$work/err")" >&2
      failures=$((failures + 1))
    fi
  done
done

if ! (cd "$work" && sha256sum --quiet -c "$data/frames.sha256"); then
  failures=$((failures + 1))
fi
expected=$(wc -l <"$data/frames.sha256")
written=$(find "$work" -name '*.BMP' | wc -l)
if [ "$written" -ne "$expected" ]; then
  echo "FAIL: $written frames written, $expected expected" >&2
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || exit 1
echo "render frames: all frames match"
