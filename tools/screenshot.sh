#!/bin/sh
# Remakes the pictures in docs/: the window after the worked example (in
# Russian and in English), the two plots of the "Графики" menu, the
# simulation check's window and the "Выбор элементов" window, typed and
# clicked in as a user would under Xvfb,
# with a small window manager for the title bars; and the first page of the
# PDF report. The plots open beside the window on a 1920 by 1080 screen; the
# mouse on each shows its read-out.
#   tools/screenshot.sh [folder]
set -eu
cd "$(dirname "$0")/.."
out="${1:-docs}"
mkdir -p "$out"
./tools/install-deps.sh xvfb xauth imagemagick xdotool openbox poppler-utils
[ -x build/app/tavro ] || make build

inner=$(mktemp)
cat > "$inner" <<'INNER'
#!/bin/sh
set -eu
openbox >/dev/null 2>&1 &
sleep 1
window() {  # the tavro window whose title is $1
  for id in $(xdotool search --class tavro 2>/dev/null); do
    [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return; }
  done
}
# Starts the program in the language $1 (ru, en) and waits for the window
# titled $2; a comma as the decimal separator, as in the Russian locale; a
# fresh settings folder, so inputs remembered from other runs stay out of the
# picture. Then types the worked example: Edit1, Edit2, Edit3, the limbs
# (one), Edit5, Edit6, then the button.
start() {
  config=$(mktemp -d)
  mkdir -p "$config/Tavro"
  printf '[interface]\nlanguage=%s\n' "$1" > "$config/Tavro/Tavro.conf"
  XDG_CONFIG_HOME=$config LC_NUMERIC=ru_RU.UTF-8 ./build/app/tavro >/dev/null 2>&1 &
  app=$!
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    main=$(window "$2")
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
}
# Menu $1 (from 1: not the first), item $2 (from 0) from the keyboard,
# whatever the language: F10 opens the first menu, Right the next with its
# first item highlighted.
menu() {
  xdotool windowactivate --sync "$main"; sleep 0.3
  xdotool key F10; sleep 0.4
  i=0; while [ "$i" -lt "$1" ]; do xdotool key Right; sleep 0.2; i=$((i + 1)); done
  i=0; while [ "$i" -lt "$2" ]; do xdotool key Down; sleep 0.2; i=$((i + 1)); done
  xdotool key Return; sleep 1
}
start en "Single-phase bridge rectifier with a capacitor filter, taking the transformer leakage inductance into account"
import -frame -window "$main" "$OUT/window-en.png"
kill "$app"
start ru "Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности рассеяния трансформатора"
import -frame -window "$main" "$OUT/window.png"
# "Графики" (the third menu): its two items, one after the other.
menu 2 0
menu 2 1
capture() {  # raises the window titled $1, points at ($3 %, $4 %) of it if given, writes it to $2
  id=$(window "$1")
  xdotool windowactivate --sync "$id"; sleep 0.5
  if [ $# -ge 4 ]; then
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --window "$id" $((WIDTH * $3 / 100)) $((HEIGHT * $4 / 100)); sleep 0.5
  fi
  import -frame -window "$id" "$2"
}
# The cross-hair's read-out at about 73 % of the rated current, and on the
# rising edge of the pulse.
capture "Нагрузочная характеристика выпрямителя" "$OUT/load_characteristic.png" 63 40
capture "Форма тока вентиля" "$OUT/diode_current.png" 27 40
# "Моделирование" (the fourth menu) → "Проверка моделированием...", then "Запустить".
menu 3 0
sim=$(window "Проверка моделированием")
xdotool windowactivate --sync "$sim"; sleep 0.5
xdotool windowsize "$sim" 1240 720; sleep 0.5
xdotool mousemove --window "$sim" 50 118 click 1
sleep 4
capture "Проверка моделированием" "$OUT/simulation.png"
# "Элементы" (the sixth menu) → "Выбор элементов...".
menu 5 0
sleep 0.5
capture "Выбор элементов" "$OUT/selection.png"
kill "$app"
INNER
chmod +x "$inner"
OUT="$out" xvfb-run -a -s "-screen 0 1920x1080x24" "$inner"
rm -f "$inner"

# The first page of the PDF report of the worked example.
pdf=$(mktemp --suffix=.pdf)
SOURCE_DATE_EPOCH=1796739000 ./build/cli/tavro-cli --voltage 12 --current 1 --ripple 1 \
  --limbs 1 --flux 1,2 --diode-drop 0,7 --decimal-separator , --pdf "$pdf" >/dev/null
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$pdf" "$out/pdf_first_page"
rm -f "$pdf"
echo "wrote $out/window.png, $out/window-en.png, $out/load_characteristic.png, $out/diode_current.png," \
  "$out/simulation.png, $out/selection.png, $out/pdf_first_page.png"
