#!/usr/bin/env bash
# Installs every Debian package that Pewlark needs to build, run, test and benchmark.
# Does nothing when all of them are already present.
set -euo pipefail

PACKAGES=(
  cmake
  g++
  make
  pkg-config
  qt6-base-dev
  libqt6sql6-sqlite
  libqt6svg6
  qt6-image-formats-plugins
  libsqlite3-dev
  libsodium-dev
  mdbtools
  mdbtools-dev
  libqt6sql6-psql
  libpq-dev
  postgresql
  postgresql-common
  python3
  fonts-dejavu-core
  poppler-utils
  xvfb
  xauth
  qt6-qpa-plugins
  # lupdate and lrelease: the Spanish and Portuguese catalogues.
  qt6-l10n-tools
  qt6-translations-l10n
  # The Debian package: CPack's shlibdeps, its checks and the install check.
  dpkg-dev
  lintian
  desktop-file-utils
  appstream
  debootstrap
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

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
