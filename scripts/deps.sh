#!/usr/bin/env bash
# Installs the Debian packages Velmora needs to build, test and run.
# Skips what dpkg already has; uses sudo when not root.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ccache clang-format
  qtbase5-dev libqt5svg5-dev libqt5webkit5-dev libqcustomplot-dev
  libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libboost-dev libflint-arb-dev libflint-dev
  fonts-noto-cjk xvfb xauth imagemagick librsvg2-bin
  python3 python3-numpy python3-openpyxl python3-mpmath python3-pytest
  libcli11-dev nlohmann-json3-dev libfftw3-dev
  pybind11-dev python3-dev
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  python3-dask python3-distributed python3-matplotlib
  python3-pandas python3-nbclient python3-nbformat python3-ipykernel
  desktop-file-utils appstream lintian
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
