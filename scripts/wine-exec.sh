#!/bin/bash
# Runs a Windows program in the project's Wine prefix and X display
# (CMake's emulator for the cross build). Start them with winenv.sh start.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="$root/build/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$root/build/winenv/display" ]; then
  export DISPLAY=$(cat "$root/build/winenv/display")
fi
exec wine "$@"
