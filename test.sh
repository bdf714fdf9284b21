#!/usr/bin/env bash
# Checks that the folders of src/ include each other only in the allowed
# direction, builds Pewlark and runs every test headless through CTest: once
# on database files, and once more against a throwaway PostgreSQL cluster
# that this script starts itself (listening only on this machine, removed
# afterwards). Exits non-zero on any failure; the summary lines of both runs
# are the last thing printed.
#
# Without the server binaries the PostgreSQL half is skipped with a message;
# with PEWLARK_REQUIRE_POSTGRES=1 (as CI sets it) a skip is a failure.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/check-layers.sh
./scripts/install-deps.sh
PEWLARK_WERROR=1 ./scripts/build.sh Release

cd build
export QT_QPA_PLATFORM=offscreen
set +e
ctest --output-on-failure --timeout 300 -j2 2>&1 | tee ctest.log
status=${PIPESTATUS[0]}
set -e

# The Debian package's files and the package itself, when the checking tools
# are installed (scripts/install-deps.sh installs them).
package_status=0
package_summary="Package checks skipped: lintian, desktop-file-validate or appstreamcli is missing."
if command -v lintian > /dev/null && command -v desktop-file-validate > /dev/null && command -v appstreamcli > /dev/null; then
  cd ..
  if ./scripts/check-package-files.sh; then
    package_summary="Package: desktop entry, AppStream metadata, manual page and lintian passed."
  else
    package_status=1
    package_summary="Package: its checks FAILED (see above)."
  fi
  cd build
fi

server_status=0
server_summary="PostgreSQL half skipped: the server binaries (Debian packages postgresql, postgresql-common) are missing."
if command -v pg_virtualenv > /dev/null && ls /usr/lib/postgresql/*/bin/initdb > /dev/null 2>&1; then
  echo
  echo "The same tests on a throwaway PostgreSQL cluster:"
  set +e
  # pg_virtualenv makes the cluster, exports PGHOST, PGPORT, PGUSER and
  # PGPASSWORD for the command and removes the cluster when it ends. Each
  # test program makes and drops its own databases on it. -t keeps the
  # cluster in a temporary folder even for root, so a cluster left behind
  # by an interrupted run in the system folders cannot stop this one.
  pg_virtualenv -t -o fsync=off -o synchronous_commit=off -o full_page_writes=off sh -c '
    export PEWLARK_TEST_POSTGRES="postgresql://$PGUSER@$PGHOST:$PGPORT/postgres"
    ctest --output-on-failure --timeout 300 -j2
  ' 2>&1 | tee ctest-postgres.log
  server_status=${PIPESTATUS[0]}
  set -e
  server_summary="PostgreSQL: $(grep -E '^[0-9]+% tests passed' ctest-postgres.log | tail -n 1 || echo "the run did not finish")"
elif [ "${PEWLARK_REQUIRE_POSTGRES:-0}" = "1" ]; then
  server_status=1
fi

echo
echo "$server_summary"
echo "$package_summary"
echo "Files: $(grep -E '^[0-9]+% tests passed' ctest.log | tail -n 1 || echo "the run did not finish")"
if [ "$status" -ne 0 ]; then exit "$status"; fi
if [ "$package_status" -ne 0 ]; then exit "$package_status"; fi
exit "$server_status"
