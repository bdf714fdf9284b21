#!/usr/bin/env bash
# Builds Pewlark and opens it on the demo church database.
# First run: installs what is missing, builds, creates demo/pewlark.sqlite with
# demo/pictures/ and writes build/config.txt. Later runs reuse the database.
set -euo pipefail
cd "$(dirname "$0")"
ROOT="$(pwd)"

./scripts/install-deps.sh
./scripts/build.sh Release

DEMO_DB="$ROOT/demo/pewlark.sqlite"
mkdir -p "$ROOT/demo/pictures"
if [ ! -f "$DEMO_DB" ]; then
  echo "Creating the demo church database (this takes a few seconds)..."
  ./build/pewlark --demo-database "$DEMO_DB" --people "${PEWLARK_DEMO_PEOPLE:-2000}"
fi

# config.txt: two labels, the database path, a label, the picture folder.
printf 'Pewlark configuration\nDatabase,"%s"\nPictureFolder,"%s/"\n' "$DEMO_DB" "$ROOT/demo/pictures" > build/config.txt

echo
echo "Demo logins:  admin / admin  (Admin: every permission)"
echo "              user / user    (User: Member View only)"
echo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting Pewlark on a virtual screen (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" ./build/pewlark "$@"
fi
exec ./build/pewlark "$@"
