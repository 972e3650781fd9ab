#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh >/dev/null
# The program finds img/, Data/ and documentation/ beside itself.
cd build/bin
exec ./velmora "$@"
