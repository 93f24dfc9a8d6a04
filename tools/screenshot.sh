#!/bin/sh
# Remakes docs/window.png: the window after the worked example, as a user sees
# it, typed in under Xvfb with a small window manager for the title bar.
#   tools/screenshot.sh [output.png]
set -eu
cd "$(dirname "$0")/.."
out="${1:-docs/window.png}"
./tools/install-deps.sh xvfb xauth imagemagick xdotool openbox
[ -x build/app/tavro ] || make build

inner=$(mktemp)
cat > "$inner" <<'INNER'
#!/bin/sh
set -eu
openbox >/dev/null 2>&1 &
sleep 1
# A comma as the decimal separator, as in the Russian locale.
LC_NUMERIC=ru_RU.UTF-8 ./build/app/tavro >/dev/null 2>&1 &
app=$!
for _ in 1 2 3 4 5 6 7 8 9 10; do
  win=$(xdotool search --class tavro 2>/dev/null | tail -1) && [ -n "$win" ] && break
  sleep 0.5
done
xdotool windowactivate --sync "$win"
sleep 0.5
# Edit1, Edit2, Edit3, the limbs (one), Edit5, Edit6, then the button.
for v in 12 1 1; do xdotool type --delay 40 "$v"; sleep 0.2; xdotool key Tab; sleep 0.2; done
xdotool key Tab; sleep 0.2
for v in 1,2 0,7; do xdotool type --delay 40 "$v"; sleep 0.2; xdotool key Tab; sleep 0.2; done
xdotool key space
sleep 1
import -frame -window "$win" "$OUT"
kill "$app"
INNER
chmod +x "$inner"
OUT="$out" xvfb-run -a -s "-screen 0 1024x800x24" "$inner"
rm -f "$inner"
echo "wrote $out"
