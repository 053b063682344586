#!/bin/bash
# check_preview.sh WINDOWS_BUILD WORK
# The plan preview of the window under Xvfb, driven with xdotool: after a
# run, プレビュー (one Shift+Tab from 実行) opens "プレビュー - PELTARIX"; its
# SVGで保存… and PNGで保存… buttons save through their Save dialogs beside
# the CSV; in the PNG a point inside the first room has the room's fill and a
# point outside the panels the background; the wheel zooms and a double
# click fits again; Escape closes the preview and leaves the converter
# window open. Leaves WINDOWS_BUILD/preview.png. Expects WINEPREFIX.
set -uo pipefail
windows=$1
work=$2/preview
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/check_helpers.sh"
rm -rf "$work" && mkdir -p "$work"
cp "$root/examples/sample.QV" "$work/邸.QV"

start_xvfb 1024x768
start_wineserver
forget_settings

wine "$windows/peltarix.exe" --fill "$(windows_path "$work/邸.QV")" \
  "$(windows_path "$work/邸.csv")" 2>/dev/null &
window_pid=$!
find_window() { window=$(xdotool search --name '^PELTARIX$' 2>/dev/null | head -1) && [ -n "$window" ]; }
wait_for 60 find_window || { echo "FAIL: no window titled PELTARIX"; exit 1; }
sleep 0.5
xdo key --window "$window" space
wait_for 60 test -s "$work/邸.csv" || { echo "FAIL: the run wrote no CSV"; exit 1; }
sleep 1

xdo key --window "$window" shift+Tab space
find_preview() {
  preview=$(xdotool search --name '^プレビュー - PELTARIX$' 2>/dev/null | head -1) && [ -n "$preview" ]
}
wait_for 30 find_preview || { echo "FAIL: プレビュー opened no window"; exit 1; }
pass "プレビュー opens the window プレビュー - PELTARIX"
sleep 2
# The pointer beside the panel: no tooltip covers the picture.
xdo mousemove --window "$preview" 40 300
sleep 0.5
import -window "$preview" "$windows/preview.png" 2>/dev/null || fail "no screenshot of the preview"

# From the canvas, which has the focus: the tabs, then SVGで保存…; the Save
# dialog offers 邸.svg beside the CSV and Enter takes it. The focus comes
# back to the button, and one Tab on is PNGで保存….
save_with_dialog() {
  local title=$1 file=$2
  shift 2
  xdo key --window "$preview" "$@"
  find_dialog() { dialog=$(xdotool search --name "^$title\$" 2>/dev/null | head -1) && [ -n "$dialog" ]; }
  wait_for 20 find_dialog || { fail "no Save dialog titled $title"; return; }
  sleep 1
  xdo key --window "$dialog" Return
  wait_for 30 test -s "$file" && sleep 1 && pass "$title saves $(basename "$file") beside the CSV" ||
    fail "$title wrote no $(basename "$file")"
}
save_with_dialog SVGで保存 "$work/邸.svg" Tab Tab space
save_with_dialog PNGで保存 "$work/邸.png" Tab space

# The first room's fill, a quarter of its box in from its lower left corner
# (clear of its label and columns in the example), in canvas pixels read
# from the saved SVG, which the PNG shows at its own size.
read -r x y fill < <(grep -m1 '<polygon class="room"' "$work/邸.svg" |
  sed 's/.* points="\([^"]*\)" fill="#\([0-9a-f]*\)".*/\1 \2/' |
  awk '{ n = split($0, f, /[ ,]/); minx = maxx = f[1]; miny = maxy = f[2];
         for (i = 1; i < n - 1; i += 2) {
           if (f[i] < minx) minx = f[i]; if (f[i] > maxx) maxx = f[i];
           if (f[i+1] < miny) miny = f[i+1]; if (f[i+1] > maxy) maxy = f[i+1] }
         printf "%d %d %s\n", minx + (maxx - minx) / 4, miny + 3 * (maxy - miny) / 4, f[n] }')
pixel() { convert "$work/邸.png" -alpha off -format "%[hex:p{$1,$2}]" info: 2>/dev/null; }
room_pixel=$(pixel "$x" "$y")
background_pixel=$(pixel 2 2)
if [ -n "$fill" ] && [ "${room_pixel,,}" = "$fill" ]; then
  pass "the PNG shows the room's fill #$fill at ($x, $y)"
else
  fail "at ($x, $y) the PNG has #$room_pixel, the room's fill is #$fill"
fi
[ "${background_pixel,,}" = ffffff ] && pass "the PNG's background is white outside the panels" ||
  fail "the background at (2, 2) is #$background_pixel"

# The wheel zooms about the pointer; a double click fits the panel again.
xdo mousemove --window "$preview" 40 300 click 4 click 4
sleep 1
import -window "$preview" "$work/zoomed.png" 2>/dev/null
xdo mousemove --window "$preview" 40 300 click --repeat 2 --delay 80 1
sleep 1
import -window "$preview" "$work/fitted.png" 2>/dev/null
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
[ "$(differing "$windows/preview.png" "$work/zoomed.png")" != 0 ] && pass "the wheel zooms" ||
  fail "the wheel changed nothing"
[ "$(differing "$windows/preview.png" "$work/fitted.png")" = 0 ] &&
  pass "a double click fits the panel again" || fail "the double click did not fit the panel"

xdo key --window "$preview" Escape
if wait_for 20 bash -c '! xdotool search --name "^プレビュー - PELTARIX\$" >/dev/null 2>&1' &&
    kill -0 "$window_pid" 2>/dev/null; then
  pass "Escape closes the preview; the converter window stays"
else
  fail "Escape did not close the preview alone"
fi
xdo key --window "$window" Escape
wait_for 20 bash -c "! kill -0 $window_pid 2>/dev/null" || fail "the window did not close"
forget_settings
exit $((failures > 0))
