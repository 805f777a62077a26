#!/usr/bin/env bash
# Starts the desktop program with an example list (under Xvfb when it is
# there, else on the offscreen platform), checks that it keeps running, and
# that a program killed from outside leaves its settings file unwritten.
set -u
build=${KIRABEL_BUILD_DIR:?KIRABEL_BUILD_DIR not set}
source_dir=${KIRABEL_SOURCE_DIR:?KIRABEL_SOURCE_DIR not set}
program="$build/kirabel"
[ -x "$program" ] || { echo "SKIP: no $program"; exit 0; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/kirabel"  # the settings file goes beside the program
example="$source_dir/examples/chrysanthemum.pcl"
[ -f "$example" ] || example="$source_dir/tests/data/pcl/handwritten.pcl"

run() {
  if command -v xvfb-run >/dev/null 2>&1; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  else
    QT_QPA_PLATFORM=offscreen "$@"
  fi
}

run timeout -s TERM 4 "$work/kirabel" "$example" >"$work/log" 2>&1
status=$?
if [ "$status" -ne 124 ]; then
  cat "$work/log" >&2
  echo "FAIL: the program ended early with status $status" >&2
  exit 1
fi
if [ -e "$work/kirabel.INI" ]; then
  echo "FAIL: settings written without the close query" >&2
  exit 1
fi
echo "ok"
