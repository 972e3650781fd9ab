#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh             Release build in build/
#   scripts/test.sh --sanitize  ASan + UBSan build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

BUILD_DIR=build
if [ "${1:-}" = "--sanitize" ]; then
  BUILD_DIR=build-sanitize
  # Qt and fontconfig keep allocations until exit by design; leaks are not
  # reported, every other sanitizer finding aborts the test.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
scripts/build.sh "$@" >/dev/null

export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)"
