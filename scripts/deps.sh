#!/bin/sh
# Installs what the build needs and is missing (Debian 12, as root).
set -e
need=""
have() { command -v "$1" >/dev/null 2>&1; }
pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

have cmake || need="$need cmake"
have g++ || need="$need g++"
have make || need="$need make"
have x86_64-w64-mingw32-g++-posix || need="$need mingw-w64"
have wine || need="$need wine"
pkg wine64 || need="$need wine64"
have Xvfb || need="$need xvfb"
have import || need="$need imagemagick"
have xdotool || need="$need xdotool"
have makensis || need="$need nsis"
have python3 || need="$need python3"
have unzip || need="$need unzip"
have clang++ || need="$need clang"
[ -f /usr/share/dict/ngerman ] || need="$need wngerman"
[ -d /usr/src/googletest ] || need="$need googletest"
pkg libgtest-dev || need="$need libgtest-dev"
pkg libbenchmark-dev || need="$need libbenchmark-dev"
pkg libclang-rt-14-dev || need="$need libclang-rt-14-dev"
pkg fonts-liberation || need="$need fonts-liberation"
pkg fonts-dejavu-core || need="$need fonts-dejavu-core"

if [ -n "$need" ]; then
  echo "installing:$need"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq $need
fi
