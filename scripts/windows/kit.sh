# Sourced by the Windows scripts. find_windows_kit prints the folder of the
# unpacked Windows kit, unpacking it first when needed, or says why there is
# none and fails. Run from the checkout's top folder.
find_windows_kit() {
  if [ -n "${PEWLARK_WINDOWS_KIT:-}" ]; then
    if [ -f "$PEWLARK_WINDOWS_KIT/lib/cmake/Qt6/Qt6Config.cmake" ]; then
      (cd "$PEWLARK_WINDOWS_KIT" && pwd)
      return 0
    fi
    echo "PEWLARK_WINDOWS_KIT names \"$PEWLARK_WINDOWS_KIT\", which holds no unpacked Windows kit (no lib/cmake/Qt6)." >&2
    return 1
  fi
  local shared tarball
  shared="$(dirname "$(pwd)")/shared/windows"
  tarball="$shared/pewlark-windows-kit.tar.xz"
  if [ -f build-windows/kit/lib/cmake/Qt6/Qt6Config.cmake ] && [ build-windows/kit/.unpacked -nt "$tarball" ]; then
    (cd build-windows/kit && pwd)
    return 0
  fi
  if [ ! -f "$tarball" ]; then
    cat >&2 <<MSG
No Windows kit: neither PEWLARK_WINDOWS_KIT (a folder holding an unpacked kit)
nor $tarball is there.
scripts/windows/make-kit.sh OUT_DIR makes the kit from Debian's sources
(about 70 minutes on 2 cores); then set PEWLARK_WINDOWS_KIT=OUT_DIR.
MSG
    return 1
  fi
  echo "Unpacking the Windows kit from $tarball" >&2
  rm -rf build-windows/kit
  mkdir -p build-windows
  tar xJf "$tarball" -C build-windows
  touch build-windows/kit/.unpacked
  (cd build-windows/kit && pwd)
}

# wine_environment NAME VALUE: sets a variable in the environment of every
# program of the Wine prefix $WINEPREFIX (Wine drops QT_* variables of the
# shell that starts it).
wine_environment() {
  wine reg add 'HKCU\Environment' /v "$1" /d "$2" /f > /dev/null 2>&1
}
