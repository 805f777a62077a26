# Sourced by the shell tests of kirabel-render: the program, a scratch folder
# removed on exit, and a count of failed checks reported by finish.
render="${KIRABEL_BUILD_DIR:?}/kirabel-render"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# finish NAME: exits 1 after failed checks, else says that all NAME checks passed.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all $1 checks passed"
}

# The texts the checks expect are English unless a check names its locale.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8
