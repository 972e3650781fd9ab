#!/usr/bin/env bash
# Builds the Debian packages build/package/velmora_<version>_amd64.deb (the
# programs and their data) and python3-velmora_<version>_amd64.deb (the Python
# module): installs what is missing, builds (Release) and runs CPack (files
# under /usr, library dependencies from dpkg-shlibdeps).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/build.sh
step dependencies scripts/deps.sh
velmora_build
cd build
step package cpack -G DEB -B "$PWD/package"
ls -1 "$PWD"/package/*velmora_*_amd64.deb
