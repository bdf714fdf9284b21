#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmark) into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
TYPE="${1:-Release}"
cmake -S . -B build -DCMAKE_BUILD_TYPE="$TYPE" --log-level=WARNING
cmake --build build -j"$(nproc)"
