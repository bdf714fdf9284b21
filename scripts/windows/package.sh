#!/usr/bin/env bash
# Makes the Windows installer build-windows/PewlarkSetup-<version>.exe (NSIS)
# and the portable build-windows/Pewlark-<version>-portable.zip from the
# Windows build (scripts/windows/build.sh), then checks the installer under
# Wine in a fresh prefix: a silent install (/S), the installed pewlark.exe's
# --version, a headless start as far as the welcome window, and
# --demo-database writing the demo church; then a silent uninstall, which
# must leave that church file alone.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$(pwd)
build="$repo/build-windows"
. scripts/windows/kit.sh
kit=$(find_windows_kit) || exit 2
[ -x "$build/pewlark.exe" ] || { echo "scripts/windows/package.sh: run scripts/windows/build.sh first." >&2; exit 2; }
version=$(sed -n 's/^project(Pewlark VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
host=x86_64-w64-mingw32
fail() { echo "scripts/windows/package.sh: $1" >&2; exit 1; }
step() { echo "  ok: $1"; }

# The program's folder: pewlark.exe, the mdbtools it runs, every DLL they
# need (followed through their imports, from the kit and the compiler's
# runtime) and Qt's plugins for windows, styles, pictures and databases.
stage="$build/stage/Pewlark"
rm -rf "$build/stage"
mkdir -p "$stage"
cp "$build/pewlark.exe" "$stage/"
cp "$kit"/bin/mdb-export.exe "$kit"/bin/mdb-tables.exe "$kit"/bin/mdb-count.exe "$stage/"
for folder in platforms sqldrivers styles imageformats; do
  mkdir -p "$stage/$folder"
  cp "$kit/plugins/$folder/"*.dll "$stage/$folder/"
done
rm -f "$stage/platforms/qminimal.dll" "$stage/platforms/qdirect2d.dll"
cp "$build/pewlark.ico" "$stage/"
cp packaging/copyright "$stage/copyright.txt"
# Windows' own DLLs are not shipped; every other import must be in the kit.
queue=$(find "$stage" -name '*.exe' -o -name '*.dll')
while [ -n "$queue" ]; do
  next=""
  for file in $queue; do
    for dll in $($host-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
      [ -e "$stage/$dll" ] && continue
      found=$(find "$kit/bin" -maxdepth 1 -iname "$dll" | head -n 1)
      [ -n "$found" ] || continue # a system DLL
      cp "$found" "$stage/"
      next="$next $stage/$(basename "$found")"
    done
  done
  queue=$next
done

# The uninstaller deletes exactly the staged files.
filelist="$build/stage/uninstall-files.nsh"
(cd "$stage" && find . -type f | sed 's#^\./##; s#/#\\#g' | sort | sed 's#^#  Delete "$INSTDIR\\#; s#$#"#') > "$filelist"
(cd "$stage" && find . -mindepth 1 -type d | sed 's#^\./##; s#/#\\#g' | sort -r | sed 's#^#  RMDir "$INSTDIR\\#; s#$#"#') >> "$filelist"

setup="$build/PewlarkSetup-$version.exe"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" -DFILELIST="$filelist" \
  packaging/windows/pewlark.nsi
zip_file="$build/Pewlark-$version-portable.zip"
rm -f "$zip_file"
(cd "$build/stage" && zip -qr9 "$zip_file" Pewlark)
echo "build-windows/$(basename "$setup")  ($(du -h "$setup" | cut -f1))"
echo "build-windows/$(basename "$zip_file")  ($(du -h "$zip_file" | cut -f1))"

# The check, in a Wine prefix of its own, with nothing of the kit on its path.
echo "Installing under Wine into a fresh prefix:"
export WINEPREFIX="$build/wine-install"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_PLUGIN_PATH
rm -rf "$WINEPREFIX"
wineboot --init > /dev/null 2>&1 || true
wineserver -w
wine "$setup" /S > /dev/null 2>&1 || fail "the silent install failed."
wineserver -w
installed=""
for where in "drive_c/Program Files/Pewlark" "drive_c/users/${USER:-}/AppData/Local/Programs/Pewlark" \
             "drive_c/users/$(id -un)/AppData/Local/Programs/Pewlark"; do
  [ -x "$WINEPREFIX/$where/pewlark.exe" ] && installed="$WINEPREFIX/$where" && break
done
[ -n "$installed" ] || fail "no pewlark.exe after the silent install."
step "installed silently into ${installed#"$WINEPREFIX/"}"
find "$WINEPREFIX/drive_c" -iname 'Pewlark.lnk' | grep -q . || fail "no Start menu entry."
step "Start menu entry"

out=$(wine "$installed/pewlark.exe" --version 2>&1 | tr -d '\r') || fail "pewlark.exe --version failed: $out"
[[ "$out" == "Pewlark $version" ]] || fail "pewlark.exe --version said \"$out\"."
step "pewlark.exe --version: $out"

shown=$(QT_QPA_PLATFORM=offscreen PEWLARK_SHOW_FIRST_WINDOW_AND_QUIT=1 timeout 120 wine "$installed/pewlark.exe" 2> "$build/stage/start.log" | tr -d '\r' | tail -n 1) || true
[ "$shown" = "frmWelcome" ] || { cat "$build/stage/start.log" >&2; fail "the first window was \"$shown\", not the welcome window."; }
step "headless start without a configuration: the welcome window ($shown)"

church="$WINEPREFIX/drive_c/users/Public/demo.sqlite"
out=$(timeout 300 wine "$installed/pewlark.exe" --demo-database 'C:\users\Public\demo.sqlite' 2>&1 | tr -d '\r') \
  || fail "pewlark.exe --demo-database failed: $out"
[ -s "$church" ] || fail "pewlark.exe --demo-database wrote no file: $out"
step "pewlark.exe --demo-database: $(echo "$out" | head -n 1)"

wine "$installed/Uninstall.exe" /S > /dev/null 2>&1 || fail "the silent uninstall failed."
wineserver -w
sleep 2 # the uninstaller finishes from a copy of itself
[ ! -e "$installed/pewlark.exe" ] || fail "pewlark.exe is still there after the uninstall."
[ -s "$church" ] || fail "the uninstall removed the church file."
step "silent uninstall: the program is gone, the church file stays"
wineserver -k > /dev/null 2>&1 || true
echo "The installer passed its checks under Wine."
