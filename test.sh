#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine and runs the whole test suite
# headless: the unit and boundary tests, then each fuzz target for a short,
# bounded time under AddressSanitizer and UndefinedBehaviorSanitizer.
# Exits non-zero on any failure.
#   FUZZ_SECONDS=<n>  time per fuzz target (default 30; 0 skips fuzzing)
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
scripts/build.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
echo "All tests passed."
