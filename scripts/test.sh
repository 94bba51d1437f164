#!/bin/bash
# Builds every configuration and runs every test: native under ASan/UBSan,
# the worker tests under TSan, the Windows build under Wine, the release files
# under Wine, and a short fuzz run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-2}

step() { printf '\n==== %s ====\n' "$*"; }

step "native (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake --preset native >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"

step "worker tests (ThreadSanitizer)"
cmake --preset native-tsan >/dev/null
cmake --build build/native-tsan -j"$jobs"
ctest --test-dir build/native-tsan --output-on-failure

step "Windows build, tests under Wine"
cmake --preset windows >/dev/null
cmake --build build/windows -j"$jobs"
scripts/winenv.sh start
trap 'scripts/winenv.sh stop' EXIT
ctest --test-dir build/windows --output-on-failure
scripts/winenv.sh stop
trap - EXIT

step "release: the zip and the installer under Wine"
scripts/dist.sh
tests/release/release_test.py

step "fuzz smoke run"
scripts/fuzz.sh "${FUZZ_SECONDS:-10}"

printf '\nall tests passed\n'
