#!/usr/bin/env bash
# Installs build/pewlark_*.deb into a bare Debian 12 (minbase) tree and runs
# it there: --version, --help, --create-database into a temporary folder, and
# a headless start as far as the welcome window. Nothing of the build tree is
# visible inside. The bare tree is made once with debootstrap and kept in
# $PEWLARK_CHROOT_CACHE (default ~/.cache/pewlark/bookworm-minbase); each run
# installs into a fresh copy of it.
#
# Needs root (chroot). Exits 0 when every step passed, 1 when one failed, and
# 77 when the check could not be made (no root, no debootstrap, the package
# registry out of reach), saying why: it never reports a pass it did not see.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$(pwd)"
MIRROR="${PEWLARK_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
CACHE="${PEWLARK_CHROOT_CACHE:-$HOME/.cache/pewlark/bookworm-minbase}"

skip() {
  echo "Install check SKIPPED: $*" >&2
  exit 77
}

deb=$(ls -t build/pewlark_*.deb 2> /dev/null | head -n 1 || true)
[ -n "$deb" ] || { echo "check-package: no build/pewlark_*.deb; run scripts/package.sh first." >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "it needs root to enter the bare Debian tree (chroot)."
command -v debootstrap > /dev/null || skip "debootstrap is not installed (scripts/install-deps.sh installs it)."

if [ ! -x "$CACHE/usr/bin/apt-get" ]; then
  echo "Making a bare Debian 12 tree in $CACHE (once)..."
  rm -rf "$CACHE.partial"
  mkdir -p "$(dirname "$CACHE")"
  if ! debootstrap --variant=minbase bookworm "$CACHE.partial" "$MIRROR" > "$CACHE.log" 2>&1; then
    rm -rf "$CACHE.partial"
    skip "debootstrap could not make the tree from $MIRROR (see $CACHE.log: $(tail -n 1 "$CACHE.log"))."
  fi
  mv "$CACHE.partial" "$CACHE"
fi

TREE="$(mktemp -d /var/tmp/pewlark-install-check.XXXXXX)"
cleanup() {
  for m in proc dev/pts dev; do umount "$TREE/$m" 2> /dev/null || true; done
  rm -rf "$TREE"
}
trap cleanup EXIT
cp -a "$CACHE/." "$TREE/"
cp /etc/resolv.conf "$TREE/etc/resolv.conf" 2> /dev/null || true
mount -t proc proc "$TREE/proc" 2> /dev/null && mount --bind /dev "$TREE/dev" 2> /dev/null \
  && mount --bind /dev/pts "$TREE/dev/pts" 2> /dev/null \
  || skip "this machine does not allow mounting /proc and /dev into the bare tree."
cp "$deb" "$TREE/tmp/"

inside() { chroot "$TREE" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "Installing $(basename "$deb") into the bare tree..."
if ! inside apt-get update -qq > "$TREE/apt.log" 2>&1; then
  skip "apt-get update inside the tree could not reach $MIRROR ($(tail -n 1 "$TREE/apt.log"))."
fi
inside sh -c "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$(basename "$deb")" >> "$TREE/apt.log" 2>&1 \
  || { cat "$TREE/apt.log" >&2; echo "check-package: the package did not install." >&2; exit 1; }

fail() { echo "check-package: $*" >&2; exit 1; }
step() { echo "  $*"; }

out=$(inside pewlark --version 2>&1) || fail "pewlark --version failed: $out"
step "pewlark --version: $out"
inside pewlark --help > /dev/null 2>&1 || fail "pewlark --help failed."
step "pewlark --help: shown"
inside mkdir -p /tmp/church
printf 'secret\nsecret\n' | chroot "$TREE" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root \
  pewlark --create-database /tmp/church/church.sqlite --admin admin > /dev/null 2>&1 \
  || fail "pewlark --create-database failed."
[ -s "$TREE/tmp/church/church.sqlite" ] || fail "pewlark --create-database wrote no file."
step "pewlark --create-database: /tmp/church/church.sqlite written"
shown=$(inside env QT_QPA_PLATFORM=offscreen PEWLARK_SHOW_FIRST_WINDOW_AND_QUIT=1 HOME=/home/secretary \
  sh -c 'mkdir -p "$HOME" && timeout 60 pewlark' 2> "$TREE/start.log") \
  || { cat "$TREE/start.log" >&2; fail "the program did not start headless."; }
[ "$shown" = "frmWelcome" ] || { cat "$TREE/start.log" >&2; fail "the first window was \"$shown\", not the welcome window."; }
step "headless start without a configuration: the welcome window ($shown)"
echo "Install check passed."
