#!/bin/bash
# Plays the game under Wine in an X display of its own, with the keyboard as
# a player would, and saves pictures to build/screenshots/: the start-up
# window, a running round, the closing question, an ended round.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${ANAGRILLA_BUILD:-build/windows}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target anagrilla anagrilla_dat >/dev/null

# An environment of its own: a fresh registry, so the game opens with its defaults.
export ANAGRILLA_WINENV=${ANAGRILLA_WINENV:-wine-screenshots}
scripts/winenv.sh start
game=""
finish() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  scripts/winenv.sh stop
}
trap finish EXIT
eval "export $(scripts/winenv.sh env | tr '\n' ' ')"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

out="$root/build/screenshots"
mkdir -p "$out"
shot() { sleep "${2:-1}"; import -window root "$out/$1.png"; echo "saved $out/$1.png"; }

(cd "$build/bin" && exec wine anagrilla.exe >/dev/null 2>&1) &
game=$!

# The main window appears disabled with the loading window over it.
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^Anagrilla$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the game window did not appear" >&2; exit 1; }
shot loading 0.4
# The list loads about a second later; "&Neu" has the focus then.
shot startup 3
xdotool windowfocus "$window"

# "&Neu" (space on the focused button), then some letters typed.
xdotool key space
sleep 2
for letter in e r n a s t i; do xdotool key "$letter"; sleep 0.4; done
shot running 1.5

# "&Beenden" during a round asks first.
xdotool key alt+b
shot question 1.5
xdotool key alt+n
sleep 1

# "&Aufgeben": the list shows the words not found, in red.
xdotool key alt+a
shot ended 2.5

xdotool key alt+b
sleep 1
