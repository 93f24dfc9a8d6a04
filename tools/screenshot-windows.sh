#!/bin/sh
# docs/window-windows.png: the Windows build's window after the worked
# example, started under Wine on Xvfb (with a small window manager for the
# title bar) and typed into as a user would.
#   tools/screenshot-windows.sh [WINDOWS_BUILD]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-windows}
./tools/install-deps.sh xvfb xauth imagemagick xdotool openbox
WINEPREFIX=$(mktemp -d /tmp/tavro-wine.XXXXXX)
export WINEPREFIX
inner=$(mktemp)
cat > "$inner" <<'INNER'
#!/bin/sh
set -eu
openbox >/dev/null 2>&1 &
tools/wine-run.sh wineboot --init >/dev/null 2>&1 || true
# The interface in Russian, as the settings keep it (the registry on Windows).
tools/wine-run.sh reg add 'HKCU\Software\Tavro\Tavro\interface' /v language /d ru /f >/dev/null 2>&1
tools/wine-run.sh "$1/app/tavro.exe" >/dev/null 2>&1 &
main=
for _ in $(seq 60); do
  main=$(xdotool search --name "rectifier|ыпрямител" 2>/dev/null | head -n 1) || true
  [ -n "$main" ] && break
  sleep 1
done
[ -n "$main" ] || { echo "screenshot-windows: the window did not appear" >&2; exit 1; }
sleep 3
xdotool windowactivate --sync "$main" || true
sleep 0.5
for v in 12 1 1; do xdotool type --delay 60 "$v"; sleep 0.3; xdotool key Tab; sleep 0.3; done
xdotool key Tab; sleep 0.3
# The Wine prefix has the C locale: a point before the fraction.
for v in 1.2 0.7; do xdotool type --delay 60 "$v"; sleep 0.3; xdotool key Tab; sleep 0.3; done
xdotool key space
sleep 3
import -window root docs/window-windows.png
INNER
chmod +x "$inner"
xvfb-run -a -s "-screen 0 1366x900x24" "$inner" "$build"
rm -f "$inner"
tools/wine-run.sh --server -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
echo "docs/window-windows.png"
