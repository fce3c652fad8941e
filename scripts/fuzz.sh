#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
[ "$seconds" -gt 0 ] || exit 0
jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DGLINTRA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build-fuzz -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for fuzzer in build-fuzz/fuzz/*_fuzz; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer" _fuzz)
  corpus=$(mktemp -d)
  if [ -d "tests/fuzz/corpus/$name" ]; then
    cp -r "tests/fuzz/corpus/$name/." "$corpus/"
  fi
  echo "Fuzzing $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/$name-" "$corpus" \
    > "build-fuzz/$name.log" 2>&1 || { tail -n 60 "build-fuzz/$name.log"; rm -rf "$corpus"; exit 1; }
  grep -E '^stat::number_of_executed_units' "build-fuzz/$name.log" || true
  rm -rf "$corpus"
done
