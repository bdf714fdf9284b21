#!/usr/bin/env bash
# scripts/check-layers.sh on a copy of the tree with one dependency planted
# at a time: each wrong-way kind must fail naming the planted file and line,
# the untouched copy and right-way dependencies of the same kinds must pass.
# The tree itself is never changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0

# check NAME FILE TEXT EXPECTED: appends TEXT to FILE (relative to the tree)
# in a fresh copy and runs the check there. EXPECTED is "pass", or the
# report it must fail with; %LINE% stands for the first planted line.
check() {
    local name=$1 file=$2 text=$3 expected=$4
    rm -rf "$work/tree"
    mkdir "$work/tree"
    cp -r "$root/src" "$work/tree/"
    local line=1
    if [[ -n "$file" ]]; then
        line=$(($(wc -l < "$work/tree/$file") + 1))
        printf '%s\n' "$text" >> "$work/tree/$file"
    fi
    expected=${expected//%LINE%/$line}
    local output status=0
    output=$("$root/scripts/check-layers.sh" "$work/tree" 2>&1) || status=$?
    if [[ "$expected" == pass ]]; then
        [[ $status -eq 0 ]] && return
        echo "FAIL $name: expected to pass, exit $status: $output"
    else
        [[ $status -eq 1 && "$output" == *"$expected"* ]] && return
        echo "FAIL $name: expected exit 1 with \"$expected\", exit $status: $output"
    fi
    failures=$((failures + 1))
}

check "untouched tree" "" "" pass
check "quoted include" src/data/Sql.h '#include "widgets/Context.h"' \
    "src/data/Sql.h:%LINE%: data may not include from widgets"
check "angle include" src/widgets/Context.h '#include <navigators/Screens.h>' \
    "src/widgets/Context.h:%LINE%: widgets may not include from navigators"
check "ui header" src/admin/frmChurchInfo.ui '   <header>members/FamilyPanel.h</header>' \
    "src/admin/frmChurchInfo.ui:%LINE%: admin may not include from members"
check "DEPENDS, one line" src/data/CMakeLists.txt 'pewlark_library(data DEPENDS app)' \
    "src/data/CMakeLists.txt:%LINE%: data may not depend on app"
check "DEPENDS, several lines" src/reports/CMakeLists.txt $'pewlark_library(reports\n    DEPENDS\n    members)' \
    "src/reports/CMakeLists.txt:$(($(wc -l < "$root/src/reports/CMakeLists.txt") + 3)): reports may not depend on members"
check "linked target" src/legacy/CMakeLists.txt $'target_link_libraries(pewlark_legacy PUBLIC\n    pewlark_app)' \
    "src/legacy/CMakeLists.txt:$(($(wc -l < "$root/src/legacy/CMakeLists.txt") + 2)): legacy may not link pewlark_app"
check "angle include, right way" src/admin/Screens.h '#include <data/Sql.h>' pass
check "DEPENDS, several lines, right way" src/navigators/CMakeLists.txt $'pewlark_library(navigators # the search screens\n  DEPENDS members\n  app data)' pass

if ((failures > 0)); then
    echo "tst_checklayers: $failures case(s) failed"
    exit 1
fi
echo "tst_checklayers: every case passed"
