#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize),
# showing the build's progress. Sourced by run.sh, test.sh and package.sh
# (as velmora_build) or run on its own.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/steps.sh

velmora_build() { # [--sanitize]; sets BUILD_DIR
  BUILD_DIR=build
  local extra=(-DCMAKE_BUILD_TYPE=Release)
  if [ "${1:-}" = "--sanitize" ]; then
    BUILD_DIR=build-sanitize
    extra=(-DVELMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  fi
  step configure cmake -S . -B "$BUILD_DIR" "${extra[@]}"
  step build build_with_progress "$BUILD_DIR"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  velmora_build "$@"
fi
