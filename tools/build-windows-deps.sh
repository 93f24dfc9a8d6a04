#!/bin/sh
# Builds the libraries Tavro needs for 64-bit Windows from Debian's own
# sources: Qt (static), QCustomPlot (static) and ngspice (a DLL, loaded at run
# time), with Debian's MinGW-w64. Everything lands in a cache folder outside
# the tree (TAVRO_WINDOWS_CACHE, default ~/.cache/tavro-windows); a step whose
# result is there already is skipped, so a second run costs nothing.
#
#   tools/build-windows-deps.sh            every step
#   tools/build-windows-deps.sh qt         one step (packages qt qtsvg headers
#                                          googletest qcustomplot ngspice
#                                          translations)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TAVRO_WINDOWS_CACHE:-$HOME/.cache/tavro-windows}
prefix=$cache/prefix
jobs=${JOBS:-$(nproc)}
triple=x86_64-w64-mingw32
mkdir -p "$cache/src" "$cache/build" "$prefix" "$cache/stamps"

say() { echo "build-windows-deps: $*"; }

step_packages() {
  "$root/tools/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 mingw-w64-tools ninja-build dpkg-dev autoconf automake \
    libtool bison flex wine64 nsis zip unzip xvfb imagemagick
}

# apt-get source with a private list of Debian's source archives: the machine's
# own configuration is not touched.
apt_source() {
  apt_dir=$cache/apt
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
  if [ ! -f "$apt_dir/sources.list" ]; then
    cat > "$apt_dir/sources.list" <<LIST
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
deb-src http://deb.debian.org/debian-security bookworm-security main
LIST
  fi
  set -- -o Dir::Etc::sourcelist="$apt_dir/sources.list" -o Dir::Etc::sourceparts=- \
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache::archives="$apt_dir/archives" "$@"
  if [ ! -f "$apt_dir/updated" ]; then
    apt-get "$@" -q update && touch "$apt_dir/updated"
  fi
  (cd "$cache/src" && apt-get "$@" -q source "$package")
}

# The unpacked source folder of a Debian source package, fetched when absent.
source_dir() {
  package=$1
  dir=$(find "$cache/src" -maxdepth 1 -type d -name "$package-[0-9]*" | head -n 1)
  if [ -z "$dir" ]; then
    apt_source >&2
    dir=$(find "$cache/src" -maxdepth 1 -type d -name "$package-[0-9]*" | head -n 1)
  fi
  [ -n "$dir" ] || { say "no source of $package" >&2; exit 1; }
  echo "$dir"
}

cmake_windows() {
  cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DTAVRO_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release "$@"
}

step_qt() {
  src=$(source_dir qt6-base)
  # Debian's source leaves out Wacom's wintab.h (its licence forbids changes),
  # which the Windows platform plugin's tablet support includes: the plugin is
  # built without it (a pen then works as the mouse). Nothing else changes.
  plugin=$src/src/plugins/platforms/windows
  sed -i 's|QT_CONFIG(tabletevent)|0 /* no wintab.h */|' "$plugin"/*.cpp "$plugin"/*.h
  sed -i 's|CONDITION QT_FEATURE_tabletevent|CONDITION OFF|' "$plugin/CMakeLists.txt" \
    "$plugin/../direct2d/CMakeLists.txt"
  # Static: Qt's LGPL allows it in a GPL program, and one .exe needs no Qt DLLs.
  cmake_windows -S "$src" -B "$cache/build/qtbase" -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_opengl=ON -DINPUT_openssl=no -DFEATURE_system_zlib=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_jpeg=OFF
  cmake --build "$cache/build/qtbase" -j "$jobs"
  cmake --install "$cache/build/qtbase"
}

# Qt's SVG module, for the plots' SVG export. Where Debian's source cannot be
# fetched the step is left out (and tried again next time): the programs are
# built without that export.
step_qtsvg() {
  if ! src=$(source_dir qt6-svg); then
    say "qtsvg: Debian's source of qt6-svg could not be fetched; building without SVG export"
    skipped=qtsvg
    return
  fi
  cmake_windows -S "$src" -B "$cache/build/qtsvg" -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  cmake --build "$cache/build/qtsvg" -j "$jobs"
  cmake --install "$cache/build/qtsvg"
}

# Header-only libraries (CLI11, RapidJSON) as Debian installs them, with
# their CMake files, so that the cross build finds them in the prefix.
step_headers() {
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  cp -r /usr/include/CLI /usr/include/rapidjson "$prefix/include/"
  for p in CLI11 RapidJSON; do
    rm -rf "$prefix/share/cmake/$p"
    cp -r "/usr/share/cmake/$p" "$prefix/share/cmake/$p"
  done
  # Their files name /usr/include; the copies are in the prefix.
  sed -i "s|/usr/include|$prefix/include|g" "$prefix"/share/cmake/CLI11/*.cmake \
    "$prefix"/share/cmake/RapidJSON/*.cmake
}

# GoogleTest from the sources Debian ships with libgtest-dev.
step_googletest() {
  cmake_windows -S /usr/src/googletest -B "$cache/build/googletest" -DBUILD_SHARED_LIBS=OFF \
    -Dgtest_disable_pthreads=OFF
  cmake --build "$cache/build/googletest" -j "$jobs"
  cmake --install "$cache/build/googletest"
}

# QCustomPlot: Debian's source, one file, as a static library with the CMake
# package name Debian's libqcustomplot-dev gives it.
step_qcustomplot() {
  src=$(source_dir qcustomplot)
  cat > "$src/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(QCustomPlotQt6 LANGUAGES CXX)
set(CMAKE_AUTOMOC ON)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
add_library(QCustomPlotQt6 STATIC qcustomplot.cpp)
target_link_libraries(QCustomPlotQt6 PUBLIC Qt6::Widgets Qt6::PrintSupport)
target_include_directories(QCustomPlotQt6 PUBLIC $<INSTALL_INTERFACE:include>)
install(TARGETS QCustomPlotQt6 EXPORT QCustomPlotQt6Targets ARCHIVE DESTINATION lib)
install(FILES qcustomplot.h DESTINATION include)
install(EXPORT QCustomPlotQt6Targets NAMESPACE QCustomPlotQt6:: DESTINATION lib/cmake/QCustomPlotQt6)
file(WRITE ${CMAKE_BINARY_DIR}/QCustomPlotQt6Config.cmake
  "include(CMakeFindDependencyMacro)\nfind_dependency(Qt6 COMPONENTS Widgets PrintSupport)\n"
  "include(\${CMAKE_CURRENT_LIST_DIR}/QCustomPlotQt6Targets.cmake)\n")
install(FILES ${CMAKE_BINARY_DIR}/QCustomPlotQt6Config.cmake DESTINATION lib/cmake/QCustomPlotQt6)
CMAKE
  cmake_windows -S "$src" -B "$cache/build/qcustomplot"
  cmake --build "$cache/build/qcustomplot" -j "$jobs"
  cmake --install "$cache/build/qcustomplot"
}

# ngspice: Debian's source as the shared library (libngspice-0.dll), the
# simulator core only (no XSPICE code models, no OSDI): Tavro's netlists need
# neither. configure looks for /proc/meminfo on the machine that builds; the
# Windows library has none. libtool, finding no import library it recognises
# for the C++ runtime, would quietly build a static library only: it is told
# that any dependency will do, and the runtime is linked in statically.
step_ngspice() {
  src=$(source_dir ngspice)
  rm -rf "$cache/build/ngspice"
  mkdir -p "$cache/build/ngspice"
  (cd "$src" && [ -x configure ] || autoreconf -fi)
  (cd "$cache/build/ngspice" &&
    "$src/configure" --host=$triple --prefix="$prefix" --with-ngshared --disable-debug \
      --disable-xspice --disable-osdi --disable-openmp --enable-cider=no \
      CFLAGS="-O2" LDFLAGS="-static-libgcc -static-libstdc++" \
      ac_cv_header__proc_meminfo=no lt_cv_deplibs_check_method=pass_all > configure.log &&
    make -j "$jobs" > make.log &&
    make install > install.log)
  [ -f "$prefix/bin/libngspice-0.dll" ] || { say "ngspice: no libngspice-0.dll was built"; exit 1; }
}

# Qt's own catalogues (its dialogs' buttons in Russian): Debian's built ones,
# the same files on every system.
step_translations() {
  mkdir -p "$prefix/translations"
  cp /usr/share/qt6/translations/qtbase_ru.qm /usr/share/qt6/translations/qtbase_en.qm \
    "$prefix/translations/" 2>/dev/null ||
    cp /usr/share/qt6/translations/qtbase_ru.qm "$prefix/translations/"
}

run_step() {
  if [ -f "$cache/stamps/$1" ]; then say "$1: present"; return; fi
  say "$1: building"
  start=$(date +%s)
  skipped=
  "step_$1"
  [ "$skipped" != "$1" ] || return 0
  echo "$(( $(date +%s) - start ))" > "$cache/stamps/$1"
  say "$1: done in $(cat "$cache/stamps/$1") s"
}

# The notices of every library built into the Windows programs (Debian's
# copyright files, which name each licence), for the packages to carry.
collect_notices() {
  mkdir -p "$prefix/notices"
  for p in qt6-base qt6-svg qcustomplot ngspice; do
    dir=$(find "$cache/src" -maxdepth 1 -type d -name "$p-[0-9]*" | head -n 1)
    [ -n "$dir" ] && cp "$dir/debian/copyright" "$prefix/notices/$p.txt"
  done
  cp /usr/share/doc/libcli11-dev/copyright "$prefix/notices/cli11.txt"
  cp /usr/share/doc/rapidjson-dev/copyright "$prefix/notices/rapidjson.txt"
  # The MinGW-w64 runtime and GCC's support libraries, linked in statically.
  cp /usr/share/doc/mingw-w64-common/copyright "$prefix/notices/mingw-w64.txt"
  cp /usr/share/doc/gcc-mingw-w64-base/copyright "$prefix/notices/gcc-runtime.txt"
}

steps=${*:-packages headers googletest ngspice translations qt qtsvg qcustomplot}
for s in $steps; do run_step "$s"; done
[ $# -gt 0 ] || collect_notices
