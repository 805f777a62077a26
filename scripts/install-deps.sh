#!/usr/bin/env bash
# Installs the Debian packages Kirabel needs to build, test and run, but only
# those that are missing; quiet and quick when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n
  qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libaubio-dev libopenexr-dev
  fonts-noto-cjk xvfb xauth desktop-file-utils locales parallel ffmpeg
  dpkg-dev file lintian groff-base
)
if [ "${KIRABEL_FUZZ:-0}" = 1 ]; then packages+=(clang libclang-rt-14-dev); fi

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q </dev/null
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
fi

# A comma-decimal locale, for the tests that check numbers never follow it.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "Generating the locale de_DE.UTF-8" >&2
  "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 </dev/null
fi
