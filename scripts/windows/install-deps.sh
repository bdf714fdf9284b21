#!/usr/bin/env bash
# Installs the Debian packages the Windows build needs beside those of
# scripts/install-deps.sh: the MinGW-w64 cross compiler, Ninja, Qt's host
# tools (moc, uic, rcc), Wine to run the tests, NSIS and zip for the
# installer. The Linux build needs none of them. Does nothing when all are
# present.
set -euo pipefail

PACKAGES=(
  g++-mingw-w64-x86-64-posix
  ninja-build
  qt6-base-dev-tools
  wine
  wine64
  nsis
  zip
  xz-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing for the Windows build: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
