#!/usr/bin/env bash
# How much colour thin trails keep in video: the mean HSV saturation of the lit
# pixels (value > 0.1) of the decoded MP4 and WebM animations against that of
# the lossless PNG frames, for the default 4:2:0 and for --chroma 444, in the
# classic and the film look. "old" is the earlier untagged H.264 4:2:0 encoding
# of the same frames, for comparison.
#   bench/video_saturation.sh [BUILD_DIR]   (default: build/test)
set -eu
here="$(cd "$(dirname "$0")/.." && pwd)"
render="${1:-$here/build/test}/kirabel-render"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
frames=(--size 384x288 --frames 12 --start 30)

# The mean saturation of the lit pixels of raw RGB24 frames on stdin.
saturation() {
  python3 -c '
import sys
data = sys.stdin.buffer.read()
total = count = 0
for i in range(0, len(data) - 2, 3):
    r, g, b = data[i], data[i + 1], data[i + 2]
    top = max(r, g, b)
    if top > 25.5:
        total += (top - min(r, g, b)) / top
        count += 1
print("%.3f (%d lit)" % (total / count if count else 0, count))'
}

# Decodes a file (or a frame pattern) to RGB24, reading its colour tags.
decoded() {
  ffmpeg -v error "$@" -vf "scale=flags=accurate_rnd+full_chroma_int,format=rgb24" \
    -f rawvideo -
}

for list in willow finale; do
  for look in classic "film --glow 0.6"; do
    # shellcheck disable=SC2086
    options=("${frames[@]}" --look $look)
    out="$work/$list-${look%% *}"
    mkdir -p "$out"
    "$render" -q "${options[@]}" --format png -o "$out/f" "$here/examples/$list.pcl"
    printf '%-7s %-8s lossless PNG     %s\n' "$list" "${look%% *}" \
      "$(decoded -i "$out/f%05d.png" | saturation)"
    ffmpeg -v error -framerate 30 -i "$out/f%05d.png" -c:v libx264 -pix_fmt yuv420p "$out/old.mp4"
    printf '%-7s %-8s old mp4          %s\n' "$list" "${look%% *}" \
      "$(decoded -i "$out/old.mp4" | saturation)"
    for format in mp4 webm; do
      for chroma in 420 444; do
        "$render" -q "${options[@]}" --chroma $chroma -o "$out/v$chroma.$format" \
          "$here/examples/$list.pcl"
        printf '%-7s %-8s %-4s --chroma %s %s\n' "$list" "${look%% *}" $format $chroma \
          "$(decoded -i "$out/v$chroma.$format" | saturation)"
      done
    done
  done
done
