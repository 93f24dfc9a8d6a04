# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The libraries built for Windows (Qt, QCustomPlot, ngspice) live in one
# prefix that tools/build-windows-deps.sh fills: "prefix" in its cache folder
# (TAVRO_WINDOWS_CACHE, as for the script), or TAVRO_WINDOWS_PREFIX itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_tavro_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_tavro_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_tavro_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_tavro_triple}-windres)

if(NOT DEFINED TAVRO_WINDOWS_PREFIX)
  if(DEFINED ENV{TAVRO_WINDOWS_PREFIX})
    set(TAVRO_WINDOWS_PREFIX "$ENV{TAVRO_WINDOWS_PREFIX}")
  elseif(DEFINED ENV{TAVRO_WINDOWS_CACHE})
    set(TAVRO_WINDOWS_PREFIX "$ENV{TAVRO_WINDOWS_CACHE}/prefix")
  else()
    set(TAVRO_WINDOWS_PREFIX "$ENV{HOME}/.cache/tavro-windows/prefix")
  endif()
endif()
# Seen by try_compile projects too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAVRO_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${_tavro_triple} ${TAVRO_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${TAVRO_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config (ngspice) looks in the prefix only, never at the Linux .pc files.
set(ENV{PKG_CONFIG_LIBDIR} "${TAVRO_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

# Qt's tools (moc, uic, rcc, lrelease) are the native ones.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# The tests run under Wine: ctest starts each .exe through the wrapper, and
# GoogleTest's cases are listed when ctest runs, not while building.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# The programs carry MinGW's C++ runtime, GCC's support library and the
# threads library in themselves: no DLLs beside them but ngspice's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
