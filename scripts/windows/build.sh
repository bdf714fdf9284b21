#!/usr/bin/env bash
# Cross-builds Pewlark for 64-bit Windows into build-windows/: pewlark.exe,
# pewlark-bench.exe and the test programs, with MinGW-w64 against the Windows
# kit (the libraries Pewlark links, built for Windows).
#
# The kit is taken from the folder PEWLARK_WINDOWS_KIT names (an unpacked
# kit), else unpacked from pewlark-windows-kit.tar.xz in shared/windows/
# beside this checkout's folder into build-windows/kit. Without either it says
# so and names scripts/windows/make-kit.sh, which makes a kit.
#
#   scripts/windows/build.sh [Release|Debug]
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$(pwd)
TYPE="${1:-Release}"
. scripts/windows/kit.sh
kit=$(find_windows_kit) || exit 2

./scripts/windows/install-deps.sh
for tool in x86_64-w64-mingw32-g++-posix ninja /usr/lib/qt6/libexec/moc; do
  if ! command -v "$tool" > /dev/null; then
    echo "scripts/windows/build.sh: $tool is missing; scripts/windows/install-deps.sh installs what the Windows build needs." >&2
    exit 2
  fi
done

LAUNCHER=()
if command -v ccache > /dev/null; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE="$TYPE" \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DPEWLARK_WINDOWS_KIT="$kit" \
  "${LAUNCHER[@]}" --log-level=WARNING
# Two jobs: the machines this runs on have few cores, shared.
cmake --build build-windows -j"${PEWLARK_JOBS:-2}"
