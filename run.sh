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
  # The logins are printed once, below.
  ./build/pewlark --demo-database "$DEMO_DB" --people "${PEWLARK_DEMO_PEOPLE:-2000}" | grep -v '^Log in as' || true
  [ -f "$DEMO_DB" ] || { echo "run.sh: the demo church database could not be created." >&2; exit 1; }
fi

# config.txt: two labels, the database path, a label, the picture folder.
printf 'Pewlark configuration\nDatabase,"%s"\nPictureFolder,"%s/"\n' "$DEMO_DB" "$ROOT/demo/pictures" > build/config.txt

echo
echo "Demo logins:  admin / admin  (Admin: every permission)"
echo "              user / user    (User: Member View only)"
echo

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
  exec ./build/pewlark "$@"
fi

# No display: a virtual one (Xvfb) on the first free display number, for as
# long as Pewlark runs.
NUMBER=99
while [ -e "/tmp/.X${NUMBER}-lock" ] || [ -e "/tmp/.X11-unix/X${NUMBER}" ]; do
  NUMBER=$((NUMBER + 1))
done
Xvfb ":$NUMBER" -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
XVFB_PID=$!
trap 'kill "$XVFB_PID" 2> /dev/null || true' EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${NUMBER}" ] && break
  sleep 0.1
done
if ! kill -0 "$XVFB_PID" 2> /dev/null; then
  echo "run.sh: no display was found and the virtual display :$NUMBER (Xvfb) could not be started." >&2
  exit 1
fi
export DISPLAY=":$NUMBER"
echo "No display found: Pewlark runs on the virtual display :$NUMBER (Xvfb, 1280x800)."
if command -v x11vnc > /dev/null 2>&1; then
  echo "To look at it, run in another terminal:  x11vnc -display :$NUMBER -localhost -forever -nopw"
  echo "and connect a VNC viewer to localhost:5900 (through 'ssh -L 5900:localhost:5900' from another computer)."
else
  echo "To look at it, install x11vnc (sudo apt-get install x11vnc), run  x11vnc -display :$NUMBER -localhost -forever -nopw"
  echo "and connect a VNC viewer to localhost:5900."
fi
echo "Pewlark stops with Ctrl+C here, or File > Exit."
./build/pewlark "$@"
