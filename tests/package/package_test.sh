#!/usr/bin/env bash
# Builds the Debian package in its own Release tree (a sanitizer build must
# not be packaged) and checks its control fields, its contents and their
# modes, lintian's verdict, and that the packaged programs start.
# Exits 77 (skipped) when the packaging tools are missing.
set -u
source_dir="${KIRABEL_SOURCE_DIR:?}"
build="${KIRABEL_BUILD_DIR:?}/package"
version="${KIRABEL_VERSION:?}"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed" >&2
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

if ! deb="$(bash "$source_dir/scripts/package" "$build" 2>"$work/build.log")"; then
  tail -n 40 "$work/build.log" >&2
  echo "FAIL: scripts/package failed" >&2
  exit 1
fi
[ -f "$deb" ] || { echo "FAIL: no package at '$deb'" >&2; exit 1; }

# Control fields: name, version and architecture exactly; the relations hold
# the named packages (shlibdeps adds versions and more libraries).
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kirabel ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version), expected $version-1"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = graphics ] || fail "Section: $(field Section)"
field Maintainer | grep -q '<.*@.*>' || fail "Maintainer without an address: $(field Maintainer)"
for want in "Depends libqt6widgets6" "Depends libqt6gui6" "Depends libqt6multimedia6" \
  "Depends libaubio5" "Depends libc6" "Recommends ffmpeg"; do
  set -- $want
  field "$1" | tr ',' '\n' | grep -qE "^ *$2( |$)" || fail "$1 lacks $2: $(field "$1")"
done
[ "$(field Description | wc -l)" -ge 3 ] || fail "Description has no long text"

# Contents: every installed part of the program, nothing outside /usr, owned
# by root with the usual modes.
dpkg-deb -c "$deb" >"$work/contents"
for path in \
  ./usr/bin/kirabel ./usr/bin/kirabel-render \
  ./usr/share/kirabel/kirabel.html ./usr/share/kirabel/kirabel.en.html \
  ./usr/share/kirabel/examples/chrysanthemum.pcl \
  ./usr/share/kirabel/examples/show.pcl ./usr/share/kirabel/examples/show.ogg \
  ./usr/share/applications/io.github.kirabel.Kirabel.desktop \
  ./usr/share/mime/packages/io.github.kirabel.Kirabel.xml \
  ./usr/share/metainfo/io.github.kirabel.Kirabel.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/io.github.kirabel.Kirabel.png \
  ./usr/share/icons/hicolor/scalable/apps/io.github.kirabel.Kirabel.svg \
  ./usr/share/man/man1/kirabel.1.gz ./usr/share/man/man1/kirabel-render.1.gz \
  ./usr/share/man/ja/man1/kirabel.1.gz ./usr/share/man/ja/man1/kirabel-render.1.gz \
  ./usr/share/doc/kirabel/copyright ./usr/share/doc/kirabel/changelog.Debian.gz; do
  awk '{print $6}' "$work/contents" | grep -qxF "$path" || fail "missing $path"
done
awk '$6 !~ /^\.\/(usr\/.*)?$/ {print "outside /usr: " $6}
     $2 != "root/root" {print "owner " $2 ": " $6}
     $1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x" {print "mode " $1 ": " $6}
     $1 ~ /^d/ && $1 != "drwxr-xr-x" {print "mode " $1 ": " $6}' \
  "$work/contents" >"$work/bad"
[ -s "$work/bad" ] && fail "$(cat "$work/bad")"
# The shell library's ready-made shells.
packaged_shells=$(awk '$6 ~ /^\.\/usr\/share\/kirabel\/shells\/[^/]+\.pcl$/' "$work/contents" | wc -l)
[ "$packaged_shells" -ge 24 ] || fail "only $packaged_shells shells packaged"

# Lintian: no errors, no program without its manual page; other warnings
# are shown but accepted.
if ! lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1; then
  fail "lintian reports errors:"$'\n'"$(cat "$work/lintian")"
elif [ -s "$work/lintian" ]; then
  echo "lintian notes:" && cat "$work/lintian"
fi
grep -E 'no-manual-page|manpage' "$work/lintian" && fail "lintian finds fault with the manual pages"

# The packaged programs start from an unpacked copy: the renderer answers
# --version and draws a frame; the desktop program keeps running until stopped.
dpkg-deb -x "$deb" "$work/root"
bin="$work/root/usr/bin"
"$bin/kirabel-render" --version | grep -qF "$version" || fail "kirabel-render --version"
if command -v man >/dev/null; then
  MANPATH="$work/root/usr/share/man" man kirabel-render 2>/dev/null | grep -q 'kirabel-render' ||
    fail "man kirabel-render shows no page"
fi
"$bin/kirabel-render" -q --frames 1 -s 64x64 -o "$work/frame" \
  "$work/root/usr/share/kirabel/examples/chrysanthemum.pcl" || fail "kirabel-render draws no frame"
[ -s "$work/frame00001.BMP" ] || fail "no frame written by the packaged renderer"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" timeout 3 "$bin/kirabel" >/dev/null 2>&1
status=$?
[ "$status" -eq 124 ] || fail "kirabel ended with status $status before it was stopped"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all package checks passed: $deb ($(stat -c %s "$deb") bytes)"
