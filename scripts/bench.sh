#!/bin/bash
# Builds the benchmarks optimised and runs them (word list load, memory,
# candidate search). BENCH_DIR chooses another build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
dir=${BENCH_DIR:-build/bench}
cmake --preset bench -B "$dir" >/dev/null
cmake --build "$dir" -j"${JOBS:-2}" --target bench_wordlist
shopt -s nullglob
for bench in "$dir"/tests/bench/bench_*; do
  [ -x "$bench" ] || continue
  echo "-- $(basename "$bench")"
  "$bench" "$@"
done
