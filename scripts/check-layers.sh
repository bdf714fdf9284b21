#!/usr/bin/env bash
# Checks that the folders of src/ depend on each other only in the allowed
# direction. A file of src/<folder> may include headers of its own folder and
# of the folders below it; every other "<folder>/..." include, any "../"
# include, and a DEPENDS entry in src/<folder>/CMakeLists.txt that points the
# wrong way is reported with file and line, and the script fails.
# src/main.cpp and the tests may use everything.
set -euo pipefail
cd "$(dirname "$0")/.."

# The folders each folder may use directly; what those use is allowed too.
declare -A uses=(
    [data]=""
    [demo]="data"
    [legacy]="data"
    [people]="data"
    [app]="data demo legacy"
    [outreach]="app"
    [reports]="app"
    [admin]="app"
    [members]="outreach reports admin people"
    [navigators]="members"
)

# Every folder below $1, one per line.
below() {
    local folder=$1 next
    for next in ${uses[$folder]}; do
        echo "$next"
        below "$next"
    done
}

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

for dir in src/*/; do
    folder=$(basename "$dir")
    if [[ ! -v uses[$folder] ]]; then
        fail "src/$folder: a folder the layer table in scripts/check-layers.sh does not know; add it there with the folders it may use"
        continue
    fi
    allowed=" $folder $(below "$folder" | sort -u | tr '\n' ' ') "

    # Includes in sources and the custom widget headers named in .ui files.
    while IFS=: read -r file line text; do
        [[ -n "$file" ]] || continue
        if [[ "$text" =~ \.\./ ]]; then
            fail "$file:$line: includes through \"../\"; name the folder instead: $text"
            continue
        fi
        if [[ "$text" =~ (\#include[[:space:]]*\"|\<header\>)([A-Za-z0-9_]+)/ ]]; then
            target=${BASH_REMATCH[2]}
            [[ -d "src/$target" || -v uses[$target] ]] || continue
            if [[ "$allowed" != *" $target "* ]]; then
                fail "$file:$line: $folder may not include from $target: $(echo "$text" | sed 's/^[[:space:]]*//')"
            fi
        fi
    done < <(grep -nE '#include[[:space:]]*"|<header>' "$dir" -r --include='*.h' --include='*.cpp' --include='*.ui' || true)

    # The libraries the build links must point the same way.
    if [[ -f "$dir/CMakeLists.txt" ]]; then
        while IFS=: read -r line text; do
            for target in $(echo "$text" | sed -nE 's/.*pewlark_library\([[:space:]]*[A-Za-z0-9_]+[[:space:]]+DEPENDS([^)]*)\).*/\1/p'); do
                if [[ "$allowed" != *" $target "* || "$target" == "$folder" ]]; then
                    fail "$dir""CMakeLists.txt:$line: $folder may not depend on $target"
                fi
            done
        done < <(grep -n 'pewlark_library' "$dir/CMakeLists.txt" || true)
    fi
done

if ((failures > 0)); then
    echo "check-layers: $failures include(s) or dependencies against the allowed direction:" \
        "data <- demo, legacy, people; data, demo, legacy <- app <- outreach, reports, admin <- members <- navigators." >&2
    exit 1
fi
echo "check-layers: every folder of src/ depends only on the folders below it."
