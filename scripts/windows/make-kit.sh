#!/usr/bin/env bash
# Makes the Windows kit: the libraries Pewlark links, cross-built for 64-bit
# Windows with Debian's MinGW-w64 (posix threads) from the sources Debian
# publishes (Qt 6 qtbase, SQLite, libsodium, libpq of PostgreSQL 15), plus
# mdbtools 1.0.1 from its source tarball, which Debian's source archive does
# not hold.
#
#   scripts/windows/make-kit.sh OUT_DIR [MDBTOOLS_TARBALL] [WORK_DIR]
#
# OUT_DIR gets bin/ (DLLs, mdb-*.exe, the compiler's runtime DLLs), lib/
# (import libraries, CMake and pkg-config files), include/, plugins/; then
# PEWLARK_WINDOWS_KIT=OUT_DIR scripts/windows/build.sh builds with it, and
# OUT_DIR.tar.xz (the folder packed as kit/) is what shared/windows/ holds.
# MDBTOOLS_TARBALL defaults to shared/windows/sources/mdbtools-1.0.1.tar.gz
# beside this checkout. About 70 minutes on 2 cores, most of it Qt. Needs
# root for apt-get (build tools and a deb-src entry). Not run by CI.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:?usage: make-kit.sh OUT_DIR [MDBTOOLS_TARBALL] [WORK_DIR]}
mdbtools=${2:-$(dirname "$repo")/shared/windows/sources/mdbtools-1.0.1.tar.gz}
work=${3:-$(mktemp -d)}
if [ ! -f "$mdbtools" ]; then
  echo "make-kit: no mdbtools source tarball at $mdbtools" >&2
  exit 2
fi
mkdir -p "$out" "$work"
out=$(cd "$out" && pwd); work=$(cd "$work" && pwd)
mdbtools=$(cd "$(dirname "$mdbtools")" && pwd)/$(basename "$mdbtools")
jobs=$(nproc)

apt-get install -y --no-install-recommends g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
  mingw-w64-tools cmake ninja-build tcl autoconf automake libtool gettext autopoint bison flex \
  qt6-base-dev qt6-base-dev-tools dpkg-dev >/dev/null

# Debian's source packages: add the deb-src twin of the configured sources once.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:'; then
  for f in /etc/apt/sources.list.d/*.sources; do
    grep -q '^Types: deb$' "$f" || continue
    sed 's/^Types: deb$/Types: deb-src/' "$f" > "/etc/apt/sources.list.d/$(basename "$f" .sources)-src.sources"
  done
  apt-get update >/dev/null
fi
# apt-get source of a package's newest version, or of an older one when the
# archive no longer holds the newest (a security update replaced it).
fetch_source() {
  local pkg=$1 v
  for v in $(apt-cache showsrc "$pkg" | awk '/^Version:/ {print $2}' | sort -rV); do
    apt-get source --download-only "$pkg=$v" >/dev/null 2>&1 && return 0
  done
  echo "make-kit: no source of $pkg could be fetched" >&2; return 1
}
cd "$work"
fetch_source qt6-base; fetch_source sqlite3; fetch_source libsodium; fetch_source postgresql-15

host=x86_64-w64-mingw32
cat > "$work/mingw.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $host-gcc-posix)
set(CMAKE_CXX_COMPILER $host-g++-posix)
set(CMAKE_RC_COMPILER $host-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$host $out)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
mkdir -p "$out/bin" "$out/lib/pkgconfig" "$out/include"

# The compiler's own runtime DLLs, which every program built with it needs.
cp /usr/lib/gcc/$host/*-posix/libstdc++-6.dll /usr/lib/gcc/$host/*-posix/libgcc_s_seh-1.dll \
   /usr/lib/gcc/$host/*-posix/libssp-0.dll /usr/$host/lib/libwinpthread-1.dll "$out/bin/"

# SQLite: the amalgamation made from Debian's source tree, as one DLL.
tar xf sqlite3_*.orig.tar.xz
mkdir -p sqlite-build && (cd sqlite-build && ../sqlite3-*/configure >/dev/null && make sqlite3.c >/dev/null)
$host-gcc-posix -O2 -shared -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_COLUMN_METADATA \
  '-DSQLITE_API=__declspec(dllexport)' sqlite-build/sqlite3.c -o "$out/bin/sqlite3.dll" \
  -Wl,--out-implib,"$out/lib/libsqlite3.dll.a"
cp sqlite-build/sqlite3.h sqlite3-*/src/sqlite3ext.h "$out/include/"
printf 'prefix=%s\nlibdir=${prefix}/lib\nincludedir=${prefix}/include\nName: sqlite3\nDescription: SQLite\nVersion: 3\nLibs: -L${libdir} -lsqlite3\nCflags: -I${includedir}\n' \
  "$out" > "$out/lib/pkgconfig/sqlite3.pc"

# libsodium.
tar xf libsodium_*.orig.tar.gz
(cd libsodium-*/ && ./autogen.sh -s >/dev/null 2>&1 && ./configure --host=$host --prefix="$out" --disable-static >/dev/null \
  && make -j"$jobs" >/dev/null && make install >/dev/null)

# libpq alone, from PostgreSQL's source (no server, no OpenSSL: the office
# network is trusted as it is on Linux without sslmode set).
tar xjf postgresql-15_*.orig.tar.bz2
(cd postgresql-15.*/ && ./configure --host=$host --prefix="$out" --without-readline --without-zlib --without-icu \
   --without-openssl --without-gssapi --without-ldap >/dev/null \
 && make -C src/include >/dev/null && make -C src/common >/dev/null && make -C src/port >/dev/null \
 && make -C src/interfaces/libpq >/dev/null && make -C src/interfaces/libpq install >/dev/null \
 && make -C src/include install >/dev/null)

# mdbtools: its own GLib stand-in, no iconv (Windows converts itself); the
# MinGW locale type is _locale_t.
tar xzf "$mdbtools"
(cd mdbtools-1.0.1 \
 && sed -i 's/\[\*mingw\*\], \[LDFLAGS="$LDFLAGS -no-undefined" CFLAGS="$CFLAGS -D_spawnv=spawnv"\]/[*mingw*], [LDFLAGS="$LDFLAGS -no-undefined" LOCALE_T=_locale_t]/' configure.ac \
 && autoreconf -i -f >/dev/null 2>&1 \
 && ./configure --host=$host --prefix="$out" --disable-glib --disable-man --disable-static --disable-iconv >/dev/null \
 && make -j"$jobs" >/dev/null && make install >/dev/null)

# Qt: qtbase with Widgets, Sql (SQLite from above; PostgreSQL through libpq
# from above), PrintSupport and Test. Debian's source lacks the tablet
# header, so tablet events are off; nothing here uses them.
tar xf qt6-base_*.orig.tar.xz
cmake -S qtbase-everywhere-src-* -B qt-build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$out" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_sql_psql=ON -DPostgreSQL_INCLUDE_DIR="$out/include" -DPostgreSQL_LIBRARY="$out/lib/libpq.a" \
  -DFEATURE_sql_mysql=OFF -DFEATURE_sql_odbc=OFF -DFEATURE_sql_ibase=OFF \
  -DFEATURE_system_sqlite=ON -DSQLite3_INCLUDE_DIR="$out/include" -DSQLite3_LIBRARY="$out/lib/libsqlite3.dll.a" \
  -DFEATURE_openssl=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF >/dev/null
cmake --build qt-build --parallel "$jobs"
cmake --install qt-build >/dev/null
# Relocatable and small: pkg-config files find their own folder, libtool
# archives (absolute paths) go, binaries lose their symbols.
rm -rf "$out/doc" "$out"/lib/*.la
for f in "$out"/lib/pkgconfig/*.pc; do
  sed -i -e 's#^prefix=.*#prefix=${pcfiledir}/../..#' -e "s#$out#\${prefix}#g" "$f"
done
find "$out/bin" "$out/plugins" -name '*.dll' -o -name '*.exe' | xargs $host-strip --strip-unneeded
# Packed as kit/, the form scripts/windows/build.sh unpacks.
(cd "$(dirname "$out")" && tar cJf "$out.tar.xz" --transform "s,^$(basename "$out"),kit," "$(basename "$out")")
echo "make-kit: the kit is in $out, packed as $out.tar.xz"
