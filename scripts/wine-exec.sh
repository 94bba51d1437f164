#!/bin/bash
# Runs a Windows program in the project's Wine prefix and X display
# (CMake's emulator for the cross build). Start them with winenv.sh start.
root=$(cd "$(dirname "$0")/.." && pwd)
base="$root/build/${ANAGRILLA_WINENV:-wine}"
export WINEPREFIX="$base/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ -f "$base/state/display" ]; then
  export DISPLAY=$(cat "$base/state/display")
fi
exec wine "$@"
