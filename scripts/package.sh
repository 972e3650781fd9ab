#!/usr/bin/env bash
# Builds the Debian package build/package/velmora_<version>_amd64.deb:
# installs what is missing, builds (Release) and runs CPack (files under /usr,
# library dependencies from dpkg-shlibdeps).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh >/dev/null
cd build
cpack -G DEB -B "$PWD/package" >/dev/null
ls -1 "$PWD"/package/velmora_*_amd64.deb
