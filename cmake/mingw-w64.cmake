# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The libraries come from the Windows kit, whose folder PEWLARK_WINDOWS_KIT
# names (scripts/windows/build.sh passes it); Qt's moc, uic and rcc run on
# this machine from Debian's Qt of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

if(NOT PEWLARK_WINDOWS_KIT)
  set(PEWLARK_WINDOWS_KIT $ENV{PEWLARK_WINDOWS_KIT})
endif()
if(NOT PEWLARK_WINDOWS_KIT)
  message(FATAL_ERROR "No Windows kit: set PEWLARK_WINDOWS_KIT to the unpacked kit folder "
                      "(scripts/windows/make-kit.sh makes one).")
endif()
# Try-compiles run in fresh projects: they must see the kit too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PEWLARK_WINDOWS_KIT)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${PEWLARK_WINDOWS_KIT})
set(CMAKE_PREFIX_PATH ${PEWLARK_WINDOWS_KIT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the kit's (relocatable) files only, never this machine's.
set(ENV{PKG_CONFIG_LIBDIR} ${PEWLARK_WINDOWS_KIT}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Qt's host tools from this machine.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
