#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=build
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
  BUILD_DIR=build-sanitize
  EXTRA=(-DVELMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
else
  EXTRA=(-DCMAKE_BUILD_TYPE=Release)
fi

cmake -S . -B "$BUILD_DIR" "${EXTRA[@]}"
cmake --build "$BUILD_DIR" -j"$(nproc)"
echo "$BUILD_DIR"
