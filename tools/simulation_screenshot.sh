#!/bin/sh
# Remakes docs/simulation.png: the "Проверка моделированием" window after a
# run on the worked example, typed and clicked in as a user would under Xvfb.
#   tools/simulation_screenshot.sh [folder]
set -eu
cd "$(dirname "$0")/.."
out="${1:-docs}"
mkdir -p "$out"
./tools/install-deps.sh xvfb xauth imagemagick xdotool openbox
[ -x build/app/tavro ] || make build

inner=$(mktemp)
cat > "$inner" <<'INNER'
#!/bin/sh
set -eu
openbox >/dev/null 2>&1 &
sleep 1
LC_NUMERIC=ru_RU.UTF-8 ./build/app/tavro >/dev/null 2>&1 &
app=$!
window() {  # the tavro window whose title is $1
  for id in $(xdotool search --class tavro 2>/dev/null); do
    [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return; }
  done
}
for _ in 1 2 3 4 5 6 7 8 9 10; do
  main=$(window "Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности рассеяния трансформатора")
  [ -n "$main" ] && break
  sleep 0.5
done
xdotool windowactivate --sync "$main"
sleep 0.5
for v in 12 1 1; do xdotool type --delay 40 "$v"; sleep 0.2; xdotool key Tab; sleep 0.2; done
xdotool key Tab; sleep 0.2
for v in 1,2 0,7; do xdotool type --delay 40 "$v"; sleep 0.2; xdotool key Tab; sleep 0.2; done
xdotool key space
sleep 1
# "Моделирование" → "Проверка моделированием...", then "Запустить".
xdotool mousemove --window "$main" "${MENU_X:-250}" 10 click 1; sleep 0.5
xdotool mousemove --window "$main" "$(( ${MENU_X:-250} + 40 ))" 32 click 1; sleep 1
sim=$(window "Проверка моделированием")
xdotool windowactivate --sync "$sim"; sleep 0.5
xdotool windowsize "$sim" 1240 720; sleep 0.5
xdotool mousemove --window "$sim" 50 "${RUN_Y:-118}" click 1
sleep 4
import -frame -window "$sim" "$OUT/simulation.png"
kill "$app"
INNER
chmod +x "$inner"
OUT="$out" xvfb-run -a -s "-screen 0 1280x900x24" "$inner"
rm -f "$inner"
echo "wrote $out/simulation.png"
