#!/usr/bin/env bash
# Builds the Debian package build/pewlark_<version>_<arch>.deb from a Release
# build (CPack's DEB generator, from the same build folder the tests use).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh Release
cd build
rm -rf package
cpack -G DEB -B "$PWD/package" > package.log 2>&1 || { cat package.log >&2; exit 1; }
deb=$(ls package/pewlark_*.deb)
mv -f "$deb" .
echo "build/$(basename "$deb")"
