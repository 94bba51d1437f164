#!/bin/bash
# Runs the measuring program (start|load|round|buttons) in the project's Wine
# environment, which it starts when it is not running:
#   scripts/measure.sh round
# With MEASURE_CPU=N the program, the environment's wineserver and its X
# display run on CPU N alone. On a virtual machine each call into the
# wineserver then waits for a task switch rather than for another CPU to
# wake up, and the figures show the game's work rather than the machine's.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
base="$root/build/${ANAGRILLA_WINENV:-wine}"
bin="$root/build/windows/bin"
[ -x "$bin/measure_game.exe" ] || { echo "build the Windows preset first (make windows)" >&2; exit 1; }
"$root/scripts/winenv.sh" start
# The environment's wineserver and X server, each CPU list to set.
pin() {
  for pid in $(pgrep wineserver); do
    if tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$base/prefix"; then
      taskset -p -c "$1" "$pid" >/dev/null
    fi
  done
  if [ -f "$base/state/xvfb.pid" ]; then taskset -p -c "$1" "$(cat "$base/state/xvfb.pid")" >/dev/null; fi
}
run=()
if [ -n "$MEASURE_CPU" ]; then
  pin "$MEASURE_CPU"
  trap 'pin 0-$(($(nproc) - 1))' EXIT
  run=(taskset -c "$MEASURE_CPU")
fi
cd "$bin"
"${run[@]}" "$root/scripts/wine-exec.sh" measure_game.exe "$@"
