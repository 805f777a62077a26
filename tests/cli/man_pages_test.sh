#!/usr/bin/env bash
# The manual pages kept in step with the programs: every option that
# kirabel-render --help lists (in either language) is described in both of its
# pages, kirabel's pages show its one optional file, every page carries the
# program's version and renders without any troff warning at 80 columns.
set -u
. "$(dirname "$0")/checks.sh"
pages="${KIRABEL_SOURCE_DIR:?}/docs/man"
version="$("$render" --version | awk '{print $2}')"

# The options of a help text: "-o", "--output", ... from its option lines.
options_of() { grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--?[a-z-]+' | sort -u; }

for page in "$pages/kirabel-render.1" "$pages/ja/kirabel-render.1"; do
  for lang in C.UTF-8 ja_JP.UTF-8; do
    LANG=$lang "$render" --help | options_of >"$work/options"
    [ "$(wc -l <"$work/options")" -ge 20 ] || fail "$lang: too few options in --help"
    while read -r option; do
      grep -qF -- "${option//-/\\-}" "$page" || fail "${page#"$pages"/} lacks $option (--help in $lang)"
    done <"$work/options"
  done
done

for page in "$pages"/kirabel.1 "$pages"/ja/kirabel.1; do
  grep -qE '^\.RI \[ [^ ]+\.pcl \]$' "$page" || fail "${page#"$pages"/}: no optional PCL file"
done

for page in "$pages"/*.1 "$pages"/ja/*.1; do
  name="${page#"$pages"/}"
  grep -qE "^\.TH [A-Z-]+ 1 [0-9-]+ \"Kirabel $version\"" "$page" || fail "$name: not version $version"
  # Every warning of troff at 80 columns; Japanese pages with the Japanese
  # line-breaking rules, as man uses them in a Japanese locale.
  case "$name" in ja/*) japanese=(-mja) ;; *) japanese=() ;; esac
  if command -v groff >/dev/null; then
    preconv -e UTF-8 "$page" | groff "${japanese[@]}" -man -Tutf8 -ww -rLL=80n \
      2>"$work/warnings" >/dev/null
    [ -s "$work/warnings" ] && fail "$name: $(cat "$work/warnings")"
  fi
done

finish "manual page"
