#!/bin/bash
# Builds the libFuzzer targets and runs each for a few seconds (or the
# seconds given) on its seeds and the committed corpus; new finds go to
# build/fuzz/corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-10}
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j"${JOBS:-2}"
shopt -s nullglob
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  seeds="tests/fuzz/seeds/${name#fuzz_}"
  work="build/fuzz/corpus/${name#fuzz_}"
  mkdir -p "$work"
  echo "-- $name for ${seconds}s"
  args=("$work")
  [ -d "$seeds" ] && args+=("$seeds")
  [ -d "tests/fuzz/corpus/${name#fuzz_}" ] && args+=("tests/fuzz/corpus/${name#fuzz_}")
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=0 "${args[@]}" 2>&1 | tail -n 2
done
