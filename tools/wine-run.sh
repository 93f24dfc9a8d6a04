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
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
case "${1:-}" in
  *_tests.exe | *tavro-cli.exe | *tavro-simulate.exe) ;;
  *) exec "$wine" "$@" ;;
esac
# A test program prints its first line before any test runs, and the
# project's programs say why whenever they fail, so one of them that failed
# having printed nothing, or nothing but Wine's own complaint, was never
# started: Wine lost its server ("wine client error:0: recvmsg:
# Connection reset by peer") or gave up without a word (seen in CI, each
# once in some thousand starts, in 0.02 s). Such a start is tried again, at
# most three times in all, each named on stderr and in the file
# TAVRO_WINE_RETRY_LOG names, if any, so that the check can count them. A
# program that printed anything of its own keeps its verdict.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavro-wine-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
trap 'exit 143' HUP INT TERM
tries=0
while :; do
  tries=$((tries + 1))
  # stdout passes at once (a hung test's output shows what it was doing);
  # stderr, the test's own diagnostics, follows it.
  {
    code=0
    "$wine" "$@" 2> "$scratch/errors" || code=$?
    echo $code > "$scratch/status"
  } | tee "$scratch/output"
  cat "$scratch/errors" >&2
  status=$(cat "$scratch/status")
  if [ "$status" -eq 0 ] || [ -s "$scratch/output" ] || grep -qv '^wine' "$scratch/errors" ||
    [ $tries -ge 3 ]; then
    exit "$status"
  fi
  note="wine-run: Wine did not start $(basename "$1") ${2:-}: exit $status, no output of its own (start $tries of 3)"
  printf '%s\n' "$note" >&2
  if [ -n "${TAVRO_WINE_RETRY_LOG:-}" ]; then printf '%s\n' "$note" >> "$TAVRO_WINE_RETRY_LOG"; fi
  sleep 1
done
