#!/bin/bash
# The project's own Wine prefix and X display for tests and screenshots.
#   winenv.sh start   create the prefix when missing, start Xvfb and a wineserver
#   winenv.sh stop    end only what start started
#   winenv.sh env     print the variables for the emulator
# State lives in build/$ANAGRILLA_WINENV/ (default build/wine/), so that
# several environments can live side by side; nothing outside build/ is touched.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
base="$root/build/${ANAGRILLA_WINENV:-wine}"
state="$base/state"
prefix="$base/prefix"
mkdir -p "$state"

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

create_prefix() {
  [ -f "$prefix/.anagrilla-ready" ] && return 0
  rm -rf "$prefix"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  local reg="$state/setup.reg"
  # Xvfb has no window manager: unmanaged windows avoid stalls and lost focus.
  # The crash dialog would wait for a person; fonts are replaced so pictures repeat.
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"
"Verdana"="DejaVu Sans"
"Tahoma"="Liberation Sans"
REG
  wine regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.anagrilla-ready"
}

start_display() {
  if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then return 0; fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    local pid=$!
    sleep 0.5
    if kill -0 $pid 2>/dev/null; then
      echo $pid > "$state/xvfb.pid"
      echo ":$n" > "$state/display"
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

case "$1" in
  start)
    start_display
    export DISPLAY=$(cat "$state/display")
    create_prefix
    # A persistent server makes every later Wine process start quickly.
    wineserver -p >/dev/null 2>&1 || true
    # Wine's background services start with the first program and inherit its
    # output; start them here on /dev/null, or ctest would wait for their pipe.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    ;;
  stop)
    wineserver -k >/dev/null 2>&1 || true
    if [ -f "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
      rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
  env)
    echo "WINEPREFIX=$prefix"
    [ -f "$state/display" ] && echo "DISPLAY=$(cat "$state/display")"
    ;;
  *)
    echo "usage: $0 start|stop|env" >&2
    exit 2
    ;;
esac
