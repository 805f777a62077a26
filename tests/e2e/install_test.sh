#!/usr/bin/env bash
# Installs the built programs into a temporary prefix and checks the layout:
# executables, help page where the program looks for it, examples, shells,
# desktop entry, MIME type and icons; then runs the installed programs briefly.
set -u
build=${KIRABEL_BUILD_DIR:?KIRABEL_BUILD_DIR not set}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need_file() { [ -f "$prefix/$1" ] || fail "missing $1"; }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log" >&2
  rm -f "$prefix.log"
  echo "FAIL: cmake --install" >&2
  exit 1
fi
rm -f "$prefix.log"

id=io.github.kirabel.Kirabel
share=share
[ -d "$prefix/share" ] || fail "no share folder"

# Help pages: <bindir>/../share/kirabel/<program>.html (Japanese) and
# <program>.en.html (English) are where the program looks.
for page in kirabel.html kirabel.en.html; do
  need_file "$share/kirabel/$page"
  grep -q 'id="HID00000001"' "$prefix/$share/kirabel/$page" || fail "$page lacks its topic anchor"
done

# Examples, when the source tree has some, each with the soundtrack it names.
if [ -n "${KIRABEL_SOURCE_DIR:-}" ] && ls "$KIRABEL_SOURCE_DIR"/examples/*.pcl >/dev/null 2>&1; then
  for example in "$KIRABEL_SOURCE_DIR"/examples/*.pcl; do
    need_file "$share/kirabel/examples/$(basename "$example")"
    soundtrack=$(sed -n 's/^AUDIO=//p' "$example" | tr -d '\r')
    [ -z "$soundtrack" ] || need_file "$share/kirabel/examples/$soundtrack"
  done
fi

# The shell library's ready-made shells: every one of the source tree, and at
# least 24.
installed_shells=$(ls "$prefix/$share/kirabel/shells/"*.pcl 2>/dev/null | wc -l)
[ "$installed_shells" -ge 24 ] || fail "only $installed_shells shells installed"
if [ -n "${KIRABEL_SOURCE_DIR:-}" ]; then
  for shell in "$KIRABEL_SOURCE_DIR"/shells/*.pcl; do
    need_file "$share/kirabel/shells/$(basename "$shell")"
  done
fi

# Manual pages of a program, English and Japanese, compressed.
need_manual() {
  for folder in man1 ja/man1; do
    need_file "$share/man/$folder/$1.1.gz"
    gzip -t "$prefix/$share/man/$folder/$1.1.gz" 2>/dev/null || fail "$folder/$1.1.gz is no gzip file"
  done
}

# kirabel-render, when it was built.
if [ -x "$build/kirabel-render" ]; then
  need_file bin/kirabel-render
  need_manual kirabel-render
  "$prefix/bin/kirabel-render" --version >/dev/null 2>&1 || fail "installed kirabel-render --version"
fi

# The desktop program and its desktop integration.
if [ -x "$build/kirabel" ]; then
  [ -f "$build/kirabel.html" ] || fail "no help page next to the built kirabel"
  [ -f "$build/kirabel.en.html" ] || fail "no English help page next to the built kirabel"
  need_file bin/kirabel
  need_manual kirabel
  need_file "$share/applications/$id.desktop"
  need_file "$share/mime/packages/$id.xml"
  need_file "$share/metainfo/$id.metainfo.xml"
  for size in 16 32 48 64 128 256; do
    need_file "$share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  need_file "$share/icons/hicolor/scalable/apps/$id.svg"

  desktop="$prefix/$share/applications/$id.desktop"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
  fi
  grep -qx 'Exec=kirabel %f' "$desktop" || fail "desktop entry Exec"
  grep -qx "Icon=$id" "$desktop" || fail "desktop entry Icon"
  grep -q 'MimeType=application/x-kirabel-pcl;' "$desktop" || fail "desktop entry MimeType"
  grep -q 'glob pattern="\*.pcl"' "$prefix/$share/mime/packages/$id.xml" || fail "MIME glob"
  if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
    grep -q 'application/x-kirabel-pcl:\*.pcl' "$prefix/$share/mime/globs2" || fail "MIME glob not registered"
  elif command -v xmllint >/dev/null; then
    xmllint --noout "$prefix/$share/mime/packages/$id.xml" || fail "MIME XML"
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/$share/metainfo/$id.metainfo.xml" >/dev/null 2>&1 ||
      fail "appstreamcli validate"
  fi

  # Start the installed program briefly; it must still be running when stopped.
  config=$(mktemp -d)
  HOME="$config" XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen \
    timeout -s TERM 3 "$prefix/bin/kirabel" >/dev/null 2>&1
  status=$?
  rm -rf "$config"
  [ "$status" -eq 124 ] || [ "$status" -eq 0 ] || fail "installed kirabel exited with $status"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "install layout OK"
