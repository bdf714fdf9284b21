#!/usr/bin/env bash
# Checks that the folders of src/ include each other only in the allowed
# direction, builds Pewlark and runs every test headless through CTest. Exits
# non-zero on any failure; CTest's summary line is the last thing printed.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/check-layers.sh
./scripts/install-deps.sh
./scripts/build.sh Release

cd build
export QT_QPA_PLATFORM=offscreen
set +e
ctest --output-on-failure --timeout 300 -j2 2>&1 | tee ctest.log
status=${PIPESTATUS[0]}
set -e
grep -E '^[0-9]+% tests passed' ctest.log | tail -n 1 || true
exit "$status"
