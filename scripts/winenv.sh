#!/bin/bash
# The project's own Wine prefix and X display for tests and screenshots.
#   winenv.sh start   create the prefix when missing, start Xvfb and a wineserver
#   winenv.sh prepare create the prefix when missing (for a real display)
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

# No menu builder: shortcuts made in the prefix stay out of the Linux home.
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Raise when the prefix's set-up changes, so that old prefixes are made anew.
setup_version=3

create_prefix() {
  [ "$(cat "$prefix/.anagrilla-ready" 2>/dev/null)" = "$setup_version" ] && return 0
  rm -rf "$prefix"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # This Wine finds its own fonts only in the prefix's font folder. Without
  # Marlett the caption buttons show letters; without the bitmap fonts
  # "MS Sans Serif" falls back to a wider face and dialog texts no longer fit.
  local fonts=/usr/share/wine/fonts
  cp "$fonts"/*.fon "$fonts"/marlett.ttf "$fonts"/tahoma.ttf "$fonts"/tahomabd.ttf \
     "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  local reg="$state/setup.reg"
  # Xvfb has no window manager: unmanaged windows avoid stalls and lost focus.
  # The crash dialog would wait for a person. Wine has no Arial or Verdana:
  # fixed replacements make pictures repeat.
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Verdana"="DejaVu Sans"
REG
  wine regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  echo "$setup_version" > "$prefix/.anagrilla-ready"
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
  prepare)
    # Only the prefix, for a run on the caller's own display.
    create_prefix
    wineserver -w
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
    echo "usage: $0 start|prepare|stop|env" >&2
    exit 2
    ;;
esac
