#!/usr/bin/env bash
# Installs what is missing, builds (Release, with progress) and starts Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/build.sh
step dependencies scripts/deps.sh
velmora_build
print_step_times
trap - EXIT
# The program finds img/, Data/ and documentation/ beside itself.
cd build/bin
exec ./velmora "$@"
