#!/usr/bin/env bash
# Checks what the Debian package is made of, from a built build/ folder: the
# desktop entry and the AppStream metadata validate, the manual page names
# every option of `pewlark --help`, and the package CPack makes passes lintian
# without errors. ./test.sh runs it when the tools are installed.
set -euo pipefail
cd "$(dirname "$0")/.."

desktop-file-validate packaging/pewlark.desktop
appstreamcli validate --no-net --pedantic packaging/org.pewlark.Pewlark.metainfo.xml > build/appstream.log 2>&1 \
  || { cat build/appstream.log >&2; echo "check-package-files: the AppStream metadata does not validate." >&2; exit 1; }

missing=()
for option in $(QT_QPA_PLATFORM=offscreen build/pewlark --help 2> /dev/null | grep -oE -- '--[a-z][a-z-]+' | sort -u); do
  escaped="${option//-/\\-}"
  grep -qF -- "$escaped" packaging/pewlark.1 || missing+=("$option")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "check-package-files: the manual page packaging/pewlark.1 does not describe: ${missing[*]}" >&2
  exit 1
fi

(cd build && rm -rf package && cpack -G DEB -B "$PWD/package" > package.log 2>&1) \
  || { cat build/package.log >&2; echo "check-package-files: cpack failed." >&2; exit 1; }
deb=$(ls build/package/pewlark_*.deb)
lintian --fail-on error "$deb" \
  || { echo "check-package-files: lintian found errors in $deb." >&2; exit 1; }
echo "Package files: the desktop entry, AppStream metadata, manual page and $(basename "$deb") pass their checks."
