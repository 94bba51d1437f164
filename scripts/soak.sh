#!/bin/bash
# Plays the game under Wine as a restless player for SOAK_SECONDS (default
# 1800); SOAK_SEED repeats an earlier run. See tests/win/SoakGame.cpp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset windows >/dev/null
cmake --build build/windows --target soak_game -j"${JOBS:-2}"
scripts/winenv.sh start
trap '"$root/scripts/winenv.sh" stop' EXIT
cd build/windows/bin
"$root/scripts/wine-exec.sh" soak_game.exe "${SOAK_SECONDS:-1800}"
