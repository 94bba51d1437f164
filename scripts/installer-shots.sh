#!/bin/bash
# Runs the installer and the uninstaller by hand, as a player would, in an
# X display and Wine environment of their own, and saves a picture of every
# page and of the installed game to build/screenshots/installer-*.png.
# The uninstaller is told to remove the settings too; the script says
# whether they went. Needs build/dist (make dist).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
setup=$(ls build/dist/anagrilla-*-setup.exe)

export ANAGRILLA_WINENV=${ANAGRILLA_WINENV:-wine-installer-shots}
scripts/winenv.sh start
trap 'scripts/winenv.sh stop' EXIT
eval "export $(scripts/winenv.sh env | tr '\n' ' ')"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine reg delete 'HKLM\Software\Anagrilla' /f >/dev/null 2>&1 || true

out="$root/build/screenshots"
mkdir -p "$out"
shot() { sleep "${2:-1.5}"; import -window root "$out/installer-$1.png"; echo "saved $out/installer-$1.png"; }
window() {
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { xdotool windowfocus "$id"; echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window '$1'" >&2
  return 1
}

wine "$setup" >/dev/null 2>&1 &
window 'Installation' >/dev/null
shot 1-welcome
xdotool key Return; shot 2-folder
xdotool key Return; shot 3-components
xdotool key Return; shot 4-finish 4
# "Fertigstellen" with "Anagrilla jetzt starten" ticked starts the game.
xdotool key Return
game=$(window '^Anagrilla$')
shot 5-game 4
# A setting of the player's, for the uninstaller to remove.
wine reg add 'HKLM\Software\Anagrilla\Game' /v WordLimit /t REG_DWORD /d 7 /f >/dev/null 2>&1
xdotool windowfocus "$game" key alt+b
sleep 2

wine "C:\\Program Files\\Anagrilla\\uninstall.exe" >/dev/null 2>&1 &
window 'Deinstallation' >/dev/null
shot 6-uninstall-confirm
xdotool key Return
uninstaller=$(window 'Deinstallation')
sleep 1
# The box of the list's second entry, the settings (where the installer's
# components page has it).
xdotool mousemove --window "$uninstaller" 188 184 click 1
shot 7-uninstall-components
xdotool key Return; shot 8-uninstall-done 3
xdotool key Return
sleep 2
if wine reg query 'HKLM\Software\Anagrilla' >/dev/null 2>&1; then
  echo "settings kept"
else
  echo "settings removed"
fi
[ -e "$WINEPREFIX/drive_c/Program Files/Anagrilla" ] && echo "program folder left" || echo "program folder removed"
