#!/usr/bin/env bash
# Checks that the folders of src/ depend on each other only in the allowed
# direction. A file of src/<folder> may include headers of its own folder and
# of the folders below it. Reported with file and line, and the script fails:
# - an include of another project folder, quoted ("app/X.h") or angled
#   (<app/X.h>), or a custom widget header a .ui file names, going the wrong way;
# - any "../" include;
# - a DEPENDS entry of a pewlark_library(...) call in src/<folder>/CMakeLists.txt
#   (on one line or spread over several) pointing the wrong way, or a call
#   that names another folder's library;
# - any other pewlark_<folder> target named there (target_link_libraries and
#   the like) pointing the wrong way;
# - a folder of src/ the table below does not know.
# src/main.cpp and the tests may use everything.
#
# With an argument, checks the tree rooted there instead of this one
# (tests/scripts/tst_checklayers.sh plants faults in a copy).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The folders each folder may use directly; what those use is allowed too.
declare -A uses=(
    [data]=""
    [i18n]=""
    [demo]="data"
    [legacy]="data"
    [people]="data"
    [widgets]="data"
    [app]="widgets i18n"
    [outreach]="app"
    [reports]="app"
    [admin]="app people"
    [attendance]="reports admin"
    [giving]="reports people admin"
    [rosters]="reports admin"
    [checkin]="reports admin"
    [directory]="reports admin"
    [members]="outreach reports admin attendance giving rosters checkin directory people"
    [navigators]="members"
    [cli]="app demo legacy people giving"
)

# Every folder below $1, one per line.
below() {
    local folder=$1 next
    for next in ${uses[$folder]}; do
        echo "$next"
        below "$next"
    done
}

# True when $1 names a folder of the project (whether or not it exists yet).
isFolder() { [[ -d "src/$1" || -v uses[$1] ]]; }

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

# The pewlark_library(...) calls of a CMakeLists.txt, comments left out,
# whether on one line or several: "CALL <line> <library>" for each call and
# "DEPENDS <line> <library> <folder>" for each of its DEPENDS entries (with
# the line the entry is on). Also "TARGET <line> <folder>" for every
# pewlark_<folder> target named anywhere in the file.
cmakeDependencies() {
    awk '
    function take(word) {
        if (word == "") return
        if (name == "") { name = word; print "CALL", start, name; return }
        if (word == "DEPENDS") { depends = 1; return }
        if (depends) print "DEPENDS", NR, name, word
    }
    {
        sub(/#.*/, "")
        rest = $0
        while (match(rest, /pewlark_[A-Za-z0-9_]+/)) {
            target = substr(rest, RSTART + 8, RLENGTH - 8)
            if (target != "library") print "TARGET", NR, target
            rest = substr(rest, RSTART + RLENGTH)
        }
        text = $0
        while (text != "") {
            if (!incall) {
                if (!match(text, /pewlark_library[ \t]*\(/)) break
                incall = 1; start = NR; name = ""; depends = 0
                text = substr(text, RSTART + RLENGTH)
            }
            shut = index(text, ")")
            args = shut ? substr(text, 1, shut - 1) : text
            text = shut ? substr(text, shut + 1) : ""
            gsub(/"/, "", args)
            n = split(args, words, /[ \t]+/)
            for (i = 1; i <= n; i++) take(words[i])
            if (shut) incall = 0
        }
    }
    END { if (incall) print "UNCLOSED", start }
    ' "$1"
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
        if [[ "$text" =~ (include[[:space:]]*[\"\<]|\<header\>)([A-Za-z0-9_]+)/ ]]; then
            target=${BASH_REMATCH[2]}
            isFolder "$target" || continue
            if [[ "$allowed" != *" $target "* ]]; then
                fail "$file:$line: $folder may not include from $target: $(echo "$text" | sed 's/^[[:space:]]*//')"
            fi
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]|<header>' "$dir" -r \
        --include='*.h' --include='*.cpp' --include='*.ui' || true)

    # The libraries the build links must point the same way.
    list="${dir}CMakeLists.txt"
    [[ -f "$list" ]] || continue
    while read -r kind line name target; do
        case $kind in
        CALL)
            [[ "$name" == "$folder" ]] ||
                fail "$list:$line: src/$folder declares the library of $name; it may declare only its own"
            ;;
        DEPENDS)
            if [[ "$target" == "$folder" || "$allowed" != *" $target "* ]]; then
                fail "$list:$line: $folder may not depend on $target"
            fi
            ;;
        TARGET)
            # "$name" holds the folder here.
            if isFolder "$name" && [[ "$allowed" != *" $name "* ]]; then
                fail "$list:$line: $folder may not link pewlark_$name"
            fi
            ;;
        UNCLOSED) fail "$list:$line: a pewlark_library( call without its closing parenthesis" ;;
        esac
    done < <(cmakeDependencies "$list")
done

if ((failures > 0)); then
    echo "check-layers: $failures include(s) or dependencies against the allowed direction:" \
        "data <- demo, legacy, people, app; app, people <- admin; app <- outreach, reports, admin <- members <- navigators;" \
        "reports, people, admin <- giving; attendance, giving, people <- members; app, demo, legacy, people, giving <- cli." >&2
    exit 1
fi
echo "check-layers: every folder of src/ depends only on the folders below it."
