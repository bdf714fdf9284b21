#!/usr/bin/env bash
# Renews the pictures of the user guide in src/app/help/images/ from a fresh
# demo church, with the main window at 1280 x 800 on an off-screen display.
# Run it after a screen has changed, look at every picture, and commit them.
#
#   scripts/help-screenshots.sh                the pictures of the guide
#     --reports DIR   also every report design from the demo church, as PDF
#                     files and as PNG pages at 100 % (72 dpi), to look at
#     --readme DIR    also the README's pictures: the member screen, the main
#                     window with its status bar, and the guide open beside the
#                     member screen
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$(pwd)"

REPORTS=""
README=""
while [ $# -gt 0 ]; do
  case "$1" in
    --reports) REPORTS="${2:?--reports needs a folder}"; shift 2 ;;
    --readme) README="${2:?--readme needs a folder}"; shift 2 ;;
    *) echo "help-screenshots.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
if [ -n "$REPORTS" ]; then
  mkdir -p "$REPORTS" && REPORTS="$(cd "$REPORTS" && pwd)"
fi
if [ -n "$README" ]; then
  mkdir -p "$README" && README="$(cd "$README" && pwd)"
fi

CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-}" \
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release --log-level=WARNING
cmake --build build -j2 --target pewlark pewlark-screenshots

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
./build/pewlark --demo-database "$WORK/demo.sqlite" --people 2000 > /dev/null
mkdir -p "$WORK/pictures"
printf 'Pewlark configuration\nDatabase,"%s"\nPictureFolder,"%s/"\n' "$WORK/demo.sqlite" "$WORK/pictures" \
  > "$WORK/config.txt"

# One screen of 1280 x 800 for the off-screen display, so the main window
# opens at that size as on an office computer.
cat > "$WORK/screen.json" <<'JSON'
{ "screens": [ { "name": "office", "x": 0, "y": 0, "width": 1280, "height": 800,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
export QT_QPA_PLATFORM="offscreen:configfile=$WORK/screen.json"
export LC_ALL=C.UTF-8

IMAGES="$ROOT/src/app/help/images"
mkdir -p "$IMAGES"
./build/pewlark-screenshots --config "$WORK/config.txt" --screens "$IMAGES" ${README:+--readme "$README"}
echo "Pictures together: $(du -ch "$IMAGES"/*.png | tail -1 | cut -f1)"

if [ -n "$REPORTS" ]; then
  ./build/pewlark-screenshots --config "$WORK/config.txt" --reports "$REPORTS"
  for pdf in "$REPORTS"/*.pdf; do
    pdftoppm -r 72 -png "$pdf" "${pdf%.pdf}"
  done
  echo "Report pages: $REPORTS"
fi
