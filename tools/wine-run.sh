#!/bin/sh
# Runs a Windows program of the cross build under Wine, quietly and headless:
# the cross build's test runner (CMake's emulator) and tools/check-windows.sh
# start every .exe through this. WINEPREFIX is the caller's (check-windows
# makes a throw-away one); the default is a prefix in the build's cache.
#   tools/wine-run.sh PROGRAM.exe [ARGS]   a Windows program
#   tools/wine-run.sh --server [ARGS]      the prefix's wineserver (-p, -w, -k)
set -eu
: "${WINEPREFIX:=${TAVRO_WINDOWS_CACHE:-$HOME/.cache/tavro-windows}/wineprefix}"
export WINEPREFIX
export WINEDEBUG=-all
# Unix file names and arguments reach the programs as UTF-8.
export LC_ALL=C.UTF-8
# No desktop integration, no Mono or Gecko prompts in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}"
if [ "${1:-}" = --server ]; then
  shift
  exec "$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)" "$@"
fi
exec "$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)" "$@"
