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
cmake -S . -B build -DCMAKE_BUILD_TYPE="$TYPE" "${LAUNCHER[@]}" --log-level=WARNING
cmake --build build -j"$(nproc)"
