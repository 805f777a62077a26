#!/usr/bin/env bash
# kirabel-render speaks Japanese only when the locale variables name Japanese
# (LC_ALL, else LC_MESSAGES, else LANG), English otherwise; the exit status is
# the same in both languages.
set -u
. "$(dirname "$0")/checks.sh"

printf '[HEADER]\nID=PCL\nVER=0020\nnSET=0\n[ENV]\nNF=1\n' >"$work/empty.pcl"

# check LOCALE-ASSIGNMENTS EXIT STREAM TEXT ARGS...: runs the renderer with the
# variables given and looks for TEXT (a fixed string) on stdout or stderr.
check() {
  local locale="$1" want="$2" stream="$3" text="$4"
  shift 4
  env $locale "$render" "$@" >"$work/stdout" 2>"$work/stderr"
  local got=$?
  [ "$got" -eq "$want" ] || fail "$locale $*: exit $got, expected $want"
  grep -qF -- "$text" "$work/$stream" || fail "$locale $*: no '$text' in $(cat "$work/$stream")"
}

en="LANG=C.UTF-8"
us="LANG=en_US.UTF-8"
ja="LANG=ja_JP.UTF-8"
check "$en" 0 stdout "Usage: kirabel-render [options] FILE.pcl" --help
check "$us" 0 stdout "Usage: kirabel-render" --help
check "$ja" 0 stdout "使い方: kirabel-render [オプション] ファイル.pcl" --help
check "LC_ALL=C.UTF-8 $ja" 0 stdout "Usage: kirabel-render" --help
check "LC_ALL=ja_JP.UTF-8 $en" 0 stdout "使い方: kirabel-render" --help
check "LC_MESSAGES=en_US.UTF-8 $ja" 0 stdout "Usage: kirabel-render" --help

check "$en" 2 stderr "kirabel-render: --frames: not a number: x" --frames x "$work/empty.pcl"
check "$en" 2 stderr "Try 'kirabel-render --help'." --frames x "$work/empty.pcl"
check "$ja" 2 stderr "kirabel-render: --frames: 数値ではありません: x" --frames x "$work/empty.pcl"
check "$ja" 2 stderr "'kirabel-render --help' で使い方を表示します。" --frames x "$work/empty.pcl"

check "$us" 1 stderr "missing.pcl: cannot be read as a PCL file" -q "$work/missing.pcl"
check "$ja" 1 stderr "missing.pcl: PCL ファイルとして読めません" -q "$work/missing.pcl"
check "$en" 1 stderr "empty.pcl: the file holds no particle sets" -q "$work/empty.pcl"
check "$ja" 1 stderr "empty.pcl: パーティクルがありません" -q "$work/empty.pcl"

# Numbers keep the C notation under a comma-decimal locale.
printf '[HEADER]\nID=PCL\nVER=0020\nnSET=1\n[ENV]\nIT=0.5\nNF=2\n[P0]\nN=1\n' >"$work/one.pcl"
check "$ja" 0 stdout "出力間隔: 0.5  重力: 0.5" --dry-run "$work/one.pcl"
check "LC_ALL=de_DE.UTF-8" 0 stdout "interval: 0.5  gravity: 0.5" --dry-run "$work/one.pcl"

finish "kirabel-render language"
