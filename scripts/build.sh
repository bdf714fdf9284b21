#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmark) into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
TYPE="${1:-Release}"
# A developer machine with ccache shares compiled objects between checkouts;
# without it the compiler runs as usual.
LAUNCHER=()
if command -v ccache > /dev/null; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# PEWLARK_WERROR=1 (as ./test.sh sets it) makes any compiler warning fail the build.
WERROR=-DPEWLARK_WERROR=OFF
if [ "${PEWLARK_WERROR:-0}" = "1" ]; then
  WERROR=-DPEWLARK_WERROR=ON
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE="$TYPE" "${LAUNCHER[@]}" "$WERROR" --log-level=WARNING
cmake --build build -j"$(nproc)"
