#!/bin/sh
# The Windows build checked under Wine, headless, in a throw-away Wine
# prefix: every test of the build that needs no Linux facility (ctest starts
# each .exe through tools/wine-run.sh), then the command line's outputs
# against the Linux build's byte for byte: the worked example's JSON, its
# report (Windows-1251, CR LF), the PDF's text, a batch with the
# full-precision figures, a design file written and read back, and a
# simulation with the bundled ngspice DLL; last the installer, installed,
# used and uninstalled.
#   tools/check-windows.sh [WINDOWS_BUILD [LINUX_BUILD]]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build-windows}" && pwd)
linux=$(cd "${2:-build}" && pwd)
jobs=${JOBS:-$(nproc)}
WINEPREFIX=$(mktemp -d /tmp/tavro-wine.XXXXXX)
export WINEPREFIX
scratch=$(mktemp -d /tmp/tavro-check-windows.XXXXXX)
# Starts of the project's programs that Wine failed and tools/wine-run.sh
# tried again, told at the end whatever the outcome.
TAVRO_WINE_RETRY_LOG="$scratch/wine-restarts"
export TAVRO_WINE_RETRY_LOG
cleanup() {
  if [ -s "$TAVRO_WINE_RETRY_LOG" ]; then
    echo "check-windows: Wine failed to start a program $(wc -l < "$TAVRO_WINE_RETRY_LOG") time(s):"
    cat "$TAVRO_WINE_RETRY_LOG"
  fi
  "$root/tools/wine-run.sh" --server -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$scratch"
}
trap cleanup EXIT
say() { echo "check-windows: $*"; }
wine() { "$root/tools/wine-run.sh" "$@"; }

say "Wine prefix $WINEPREFIX"
wine wineboot --init >/dev/null 2>&1 || true
# The server wineboot leaves quits the moment its last program does; a test
# starting in that moment dies with "recvmsg: Connection reset by peer".
# One server kept for the whole check instead (killed on exit), and its
# background services started here, away from ctest's pipes, which they
# would otherwise hold open until ctest gives up on a finished test.
wine --server -w
wine --server -p
wine wineboot > /dev/null 2>&1 < /dev/null || true

say "tests"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

cli_win="$build/cli/tavro-cli.exe"
cli_linux="$linux/cli/tavro-cli"
[ -x "$cli_linux" ] || { say "no Linux build in $linux to compare with"; exit 1; }
same() {  # name, then the arguments for both programs
  name=$1
  shift
  "$cli_linux" "$@" > "$scratch/$name.linux"
  wine "$cli_win" "$@" > "$scratch/$name.windows"
  cmp "$scratch/$name.linux" "$scratch/$name.windows" || { say "$name differs"; exit 1; }
  say "$name: identical ($(wc -c < "$scratch/$name.linux") bytes)"
}
example="--voltage 12 --current 1 --ripple 1 --limbs 1 --flux 1.2 --diode-drop 0.7 --decimal-separator ."
# shellcheck disable=SC2086
same json $example --json --ratings
# shellcheck disable=SC2086
same text $example
export SOURCE_DATE_EPOCH=1765000000
# shellcheck disable=SC2086
"$cli_linux" $example --report "$scratch/report.linux" > /dev/null
# shellcheck disable=SC2086
wine "$cli_win" $example --report "$scratch/report.windows" > /dev/null
cmp "$scratch/report.linux" "$scratch/report.windows" || { say "report differs"; exit 1; }
say "report: identical"
# The PDF document: the same words as Linux's (the layout may differ by a
# point where the systems place glyphs differently).
pdf_words() { pdftotext "$1" - | tr -s ' \n'; }
# shellcheck disable=SC2086
"$cli_linux" $example --ratings --pdf "$scratch/linux.pdf" > /dev/null
# shellcheck disable=SC2086
wine "$cli_win" $example --ratings --pdf "$scratch/windows.pdf" > /dev/null
pdf_words "$scratch/linux.pdf" > "$scratch/pdf.linux"
pdf_words "$scratch/windows.pdf" > "$scratch/pdf.windows"
cmp "$scratch/pdf.linux" "$scratch/pdf.windows" || { say "PDF's text differs"; exit 1; }
say "PDF: the same text ($(wc -w < "$scratch/pdf.linux") words)"
# Full-precision figures of a spread of designs, the load characteristic's
# bits among them.
awk 'BEGIN { print "U0,I0,Kp,Limbs,Bm,Ud";
  for (u = 0; u < 12; u++) for (i = 0; i < 6; i++)
    printf "%g,%g,%g,%d,%g,%g\n", 3 * 2.2 ^ u, 0.05 * 3.1 ^ i, 0.3 + u % 5, 1 + i % 2, 0.9 + 0.1 * (i % 4), 0.4 + 0.1 * (u % 6) }' \
  > "$scratch/designs.csv"
"$cli_linux" --batch < "$scratch/designs.csv" > "$scratch/batch.linux"
wine "$cli_win" --batch < "$scratch/designs.csv" > "$scratch/batch.windows"
cmp "$scratch/batch.linux" "$scratch/batch.windows" || { say "batch differs"; exit 1; }
say "batch of $(($(wc -l < "$scratch/designs.csv") - 1)) designs: identical"
# A design file with a Cyrillic name, in the window's format, read by both.
printf '%s\n' '{"format": "tavro-design", "version": 2, "decimal_separator": ",",' \
  ' "inputs": {"voltage": "24", "current": "2,5", "ripple": "2", "limbs": 2,' \
  '            "flux": "1,3", "diode_drop": "0,9"},' \
  ' "mains": {"voltage": 230, "frequency": 50, "tolerance_percent": 10}}' \
  > "$scratch/выпрямитель.tavro"
same design --design "$scratch/выпрямитель.tavro" --json --ratings
# The simulation with the DLL beside the programs: every figure shown is
# the Linux one. ngspice built by another compiler with another C library
# differs far below the shown digits, which the deviations' last digit can
# show: those are left out of the comparison.
# shellcheck disable=SC2086
"$cli_linux" $example --simulate | sed 's/ ([-+][0-9.]* %)//' > "$scratch/simulate.linux"
# shellcheck disable=SC2086
wine "$cli_win" $example --simulate | sed 's/ ([-+][0-9.]* %)//' > "$scratch/simulate.windows"
cmp "$scratch/simulate.linux" "$scratch/simulate.windows" || { say "simulate differs"; exit 1; }
say "simulate: every simulated figure as on Linux ($(grep -c ' / ' "$scratch/simulate.linux") rows)"
say "all identical"

# The installer, silent: the programs in Program Files, the Start-menu
# entries, .tavro opening in the program, the uninstall entry; the installed
# command line gives the Linux bytes; the uninstaller takes it all away.
installer=
for f in "$build"/tavro-*-windows-x64.exe; do [ -f "$f" ] && installer=$f; done
[ -n "$installer" ] || { say "no installer in $build (make windows-package)"; exit 1; }
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Tavro"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavro"
fail() { say "installer: $*"; exit 1; }
wine "$installer" /S
for f in tavro.exe tavro-cli.exe tavro-simulate.exe libngspice-0.dll LICENSE.txt Uninstall.exe; do
  [ -f "$installed/$f" ] || fail "no $f in Program Files"
done
for f in Tavro.lnk Uninstall.lnk; do [ -f "$menu/$f" ] || fail "no Start-menu entry $f"; done
wine reg query 'HKLM\Software\Classes\.tavro' | grep -q Tavro.Design || fail "no .tavro association"
wine reg query 'HKLM\Software\Classes\Tavro.Design\shell\open\command' |
  grep -qF '"C:\Program Files\Tavro\tavro.exe" "%1"' || fail "no open command for .tavro"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavro' |
  grep -q UninstallString || fail "no uninstall entry"
# shellcheck disable=SC2086
wine "C:\\Program Files\\Tavro\\tavro-cli.exe" $example --json --ratings > "$scratch/installed.windows"
cmp "$scratch/json.linux" "$scratch/installed.windows" || fail "the installed program's JSON differs"
# The uninstaller copies itself aside and returns at once: wait for it (a
# minute at most).
wine "C:\\Program Files\\Tavro\\Uninstall.exe" /S
tries=0
while [ -e "$installed" ] && [ $tries -lt 60 ]; do
  sleep 1
  tries=$((tries + 1))
done
[ ! -e "$installed" ] || fail "Program Files\\Tavro left after uninstalling"
[ ! -e "$menu" ] || fail "Start-menu entries left after uninstalling"
if wine reg query 'HKLM\Software\Classes\.tavro' > /dev/null 2>&1; then
  fail ".tavro association left after uninstalling"
fi
say "installer: installs, associates .tavro, runs, uninstalls cleanly ($(basename "$installer"))"
