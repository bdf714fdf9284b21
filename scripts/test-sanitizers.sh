#!/usr/bin/env bash
# Builds Pewlark with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs the tests of the data layer, the legacy import and
# the people import there (all tests with --all). Any memory error or
# undefined behaviour stops the test that met it, which then fails.
set -euo pipefail
cd "$(dirname "$0")/.."

ALL=0
if [ "${1:-}" = "--all" ]; then ALL=1; fi

LAUNCHER=()
if command -v ccache > /dev/null; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEWLARK_SANITIZE=ON -DPEWLARK_TEST_TIMEOUT=900 \
  "${LAUNCHER[@]}" --log-level=WARNING

# The test programs of these folders of tests/, by name.
tests=()
if [ "$ALL" = "0" ]; then
  for folder in data legacy people; do
    for source in tests/$folder/tst_*.cpp; do
      tests+=("$(basename "$source" .cpp)")
    done
  done
  tests+=(tst_importpeople tst_commandline)
  cmake --build build-sanitize -j"$(nproc)" --target pewlark "${tests[@]}"
  regex="^($(IFS='|'; echo "${tests[*]}"))\$"
else
  cmake --build build-sanitize -j"$(nproc)"
  regex="."
fi

cd build-sanitize
# Qt's own allocations live until exit; leaks are not what this run looks for.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --timeout 900 -j2 -R "$regex"
