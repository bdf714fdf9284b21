#!/usr/bin/env bash
# Runs the Windows build's test programs (scripts/windows/build.sh) under
# Wine, headless, two at a time, in a Wine prefix of their own: the file
# half of the suite. With PEWLARK_TEST_POSTGRES naming a server (as ./test.sh
# sets it for its throwaway cluster) the same programs run against it too;
# else that half is said to be skipped.
#
# A test program that cannot run under Wine is listed in SKIPPED below with
# its reason, printed at every run; nothing is left out silently. Exits
# non-zero when any program fails; the summary is the last thing printed.
#
#   scripts/windows/test.sh [NAME_PATTERN]
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$(pwd)
pattern="${1:-}"
build="$repo/build-windows"
. scripts/windows/kit.sh
kit=$(find_windows_kit) || exit 2
if [ ! -x "$build/pewlark.exe" ]; then
  echo "scripts/windows/test.sh: no Windows build; run scripts/windows/build.sh first." >&2
  exit 2
fi

# What does not run under Wine, each with its reason: a whole test program
# (tst_x) or one test function of it (tst_x::function).
pdf="reads the PDF back with pdftotext, a Linux program that a Windows program cannot start"
declare -A SKIPPED=(
  [tst_checklayers]="a shell script over the sources, not a Windows program; the Linux run covers it"
  [tst_reportengine]="$pdf (every function of it)"
  [tst_viewer::printedLabelsUseTheCalibration]=$pdf
  [tst_launchers::noPrinterSavesOnePdf]=$pdf
  [tst_attendanceentry::rollSheetPrintsTicksAndBoxes]=$pdf
  [tst_sheetlayout::updateFormRowsKeepTheirPitch]="measures lines set in the DejaVu fonts, which Wine does not have"
  [tst_labels]="$pdf (every function of it)"
  [tst_checkinstation::checksInAndPrintsTheLabels]=$pdf
  [tst_directory::indexGivesEachPersonTheirEntrysPage]=$pdf
  [tst_directory::a4PagesOnChoice]="reads the PDF's page size with pdfinfo, a Linux program that a Windows program cannot start"
  [tst_givingreports::depositCountsChecksCashAndFunds]=$pdf
  [tst_givingreports::pledgesCountGivingUpToThePeriodsEnd]=$pdf
  [tst_rosteroutput::printedGridHasAPagePerService]=$pdf
  [tst_statementrun::oneFilePerUnitAndTheirTotals]=$pdf
  [tst_statementrun::oneFileForAllWithTheChurchWording]=$pdf
)

export WINEPREFIX="$build/wine-tests"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET or Gecko installer at the prefix's first start
export LC_ALL=C.UTF-8
export TZ=UTC
export WINEPATH="$(winepath -w "$kit/bin" 2>/dev/null)"
wineboot --init > /dev/null 2>&1 || true
# Wine hands no QT_* variable of this shell to its programs: Qt's are set in
# the prefix's own environment instead.
wine_environment QT_QPA_PLATFORM offscreen
wine_environment QT_PLUGIN_PATH "$(winepath -w "$kit/plugins" 2>/dev/null)"

logs="$build/wine-test-logs"
rm -rf "$logs"
mkdir -p "$logs"
# The real Jet file the legacy import reads with the kit's mdb-export.exe,
# unpacked here (gzip is no Windows program).
jet=/usr/share/doc/fp-units-db/3.2.2/examples/odbc/testodbc.mdb.gz
if [ -f "$jet" ] && [ -z "${PEWLARK_TEST_JET_FILE:-}" ]; then
  gzip -dc "$jet" > "$logs/testodbc.mdb"
  export PEWLARK_TEST_JET_FILE="$(winepath -w "$logs/testodbc.mdb" 2>/dev/null)"
fi

programs=()
for exe in "$build"/tests/tst_*.exe; do
  name=$(basename "$exe" .exe)
  [[ -n "$pattern" && ! "$name" =~ $pattern ]] && continue
  [ -n "${SKIPPED[$name]:-}" ] || programs+=("$name")
done
for name in $(printf '%s\n' "${!SKIPPED[@]}" | sort); do
  [[ -z "$pattern" || "${name%%::*}" =~ $pattern ]] && echo "SKIPPED $name: ${SKIPPED[$name]}"
done
# run_one below (in a shell of its own) names the functions of a program
# to run when some of it is skipped.
export SKIPPED_LIST=$(printf '%s\n' "${!SKIPPED[@]}")

# One program, but for its functions that are skipped; its log in $logs/<half>/<name>.log, its verdict as the last line.
run_one() {
  local half=$1 name=$2 start code functions=()
  start=$(date +%s)
  local skipped
  skipped=$(printf '%s\n' "$SKIPPED_LIST" | sed -n "s/^$name:://p")
  if [ -n "$skipped" ]; then
    (cd "$build/tests" && wine "./$name.exe" -functions) > "$logs/$half/$name.functions" 2>/dev/null
    mapfile -t functions < <(tr -d '\r' < "$logs/$half/$name.functions" | sed 's/()$//' | grep -vxF "$skipped")
  fi
  set +e
  # Wine loses a console program's standard output to a pipe or file here:
  # the test log goes to a file of its own, Wine's words to another.
  # The file half runs on files even where a server is named for the other.
  local unset_server=()
  [ "$half" = files ] && unset_server=(-u PEWLARK_TEST_POSTGRES)
  (cd "$build/tests" && timeout 600 env "${unset_server[@]}" wine "./$name.exe" "${functions[@]}" -maxwarnings 0 \
     -o "$(winepath -w "$logs/$half/$name.log" 2>/dev/null),txt") > "$logs/$half/$name.wine.log" 2>&1
  code=$?
  set -e
  if [ "$code" -eq 0 ]; then
    echo "PASS    $name ($(( $(date +%s) - start )) s)"
  else
    echo "FAIL    $name (exit $code, $(( $(date +%s) - start )) s): see $logs/$half/$name.log"
  fi
}
export -f run_one
export build logs

# Runs every program of the list for one half, a line for each.
run_half() {
  local half=$1
  mkdir -p "$logs/$half"
  printf '%s\n' "${programs[@]}" | xargs -P 2 -I{} bash -c 'run_one "$0" "$1"' "$half" {} | tee "$logs/$half.txt"
}
passed() {
  local failed
  failed=$(grep -c '^FAIL' "$logs/$1.txt" || true)
  echo "$(( ${#programs[@]} - failed )) of ${#programs[@]} test programs passed"
}

started=$(date +%s)
echo "The file half under Wine:"
run_half files
files_summary="Files under Wine: $(passed files)"
status=0
grep -q '^FAIL' "$logs/files.txt" && status=1

server_summary="PostgreSQL half under Wine skipped: PEWLARK_TEST_POSTGRES names no server."
if [ -n "${PEWLARK_TEST_POSTGRES:-}" ]; then
  # The Windows client library reaches a server over TCP only.
  if [[ "$PEWLARK_TEST_POSTGRES" =~ ^postgres(ql)?://[^@/]*@?(/|%2[Ff]) ]]; then
    server_summary="PostgreSQL half under Wine skipped: the server is reached through a Unix socket, which the Windows client cannot use."
  else
    echo "The same programs under Wine on the server:"
    run_half postgres
    server_summary="PostgreSQL under Wine: $(passed postgres)"
    grep -q '^FAIL' "$logs/postgres.txt" && status=1
  fi
fi
wineserver -k > /dev/null 2>&1 || true

echo
echo "Skipped under Wine: ${#SKIPPED[@]} test programs or functions (listed above with their reasons)"
echo "$server_summary"
echo "$files_summary ($(( $(date +%s) - started )) s)"
exit "$status"
