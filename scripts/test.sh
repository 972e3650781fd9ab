#!/usr/bin/env bash
# Installs what is missing, builds (with progress) and runs every test; the
# time of each step at the end.
#   scripts/test.sh             Release build in build/
#   scripts/test.sh --sanitize  ASan + UBSan build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/build.sh
step dependencies scripts/deps.sh

if [ "${1:-}" = "--sanitize" ]; then
  # Qt and fontconfig keep allocations until exit by design; leaks are not
  # reported, every other sanitizer finding aborts the test.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
velmora_build "$@"

export QT_QPA_PLATFORM=offscreen
step tests ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
