#!/bin/bash
# check_window_comfort.sh WINDOWS_BUILD WORK EXPECTED_CSV
# The window's conveniences under Xvfb, driven with xdotool as a user
# would: a source named on the command line fills the field and the CSV
# beside it is proposed; replacing an existing proposed CSV asks first and
# いいえ (Enter) keeps it; the log's context menu saves the log; the window
# grows when resized, and its size and ticks are remembered in the registry
# for the next start. Leaves WINDOWS_BUILD/window-resized.png. Expects
# WINEPREFIX and a running wineserver.
set -uo pipefail
windows=$1
work=$2/comfort
expected=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/check_helpers.sh"
rm -rf "$work" && mkdir -p "$work"
cp "$root/examples/sample.QV" "$work/案.QV"
csv="$work/案.csv"

start_xvfb 1024x768
start_wineserver
forget_settings

windows_titled() { xdotool search --name '^PELTARIX$' 2>/dev/null; }
# start: opens the window on 案.QV and waits for it; sets $window.
start() {
  wine "$windows/peltarix.exe" "$(windows_path "$work/案.QV")" 2>/dev/null &
  window_pid=$!
  find_one() { window=$(windows_titled | head -1) && [ -n "$window" ]; }
  wait_for 60 find_one || { echo "FAIL: no window"; exit 1; }
  sleep 1
}
# From the source field, ten tab stops lead to 実行.
press_execute() {
  for _ in $(seq 10); do xdo key --window "$window" Tab; done
  xdo key --window "$window" space
}
# The question box: a second window with the program's name.
question_box() {
  box=$(windows_titled | grep -vx "$window" | head -1) && [ -n "$box" ]
}
close_window() {
  xdo key --window "$window" Escape
  wait_for 20 bash -c "! kill -0 $window_pid 2>/dev/null" || fail "the window did not close"
}

echo "-- first start"
start
press_execute
if wait_for 60 test -s "$csv" && sleep 1 && cmp -s <(masked_csv "$csv") <(masked_csv "$expected"); then
  pass "a source named on the command line is converted into the proposed 案.csv beside it"
else
  fail "no 案.csv beside the source named on the command line"
fi
# Right-click on the log, then the menu's last item: ログを保存…; the Save
# dialog offers 案_log.txt beside the source and Enter takes it.
read -r width height < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
xdo mousemove --window "$window" $((width / 2)) $((height * 3 / 4)) click 3
sleep 1
xdo key Up Return
sleep 2
xdo key Return
if wait_for 20 test -s "$work/案_log.txt" &&
    head -1 "$work/案_log.txt" | grep -q $'^QVファイル：.*案.QV → CSVファイル：.*案.csv\r$'; then
  pass "ログを保存… writes the log as 案_log.txt, CR LF"
else
  fail "the log was not saved"
fi
xdo windowsize --sync "$window" 900 700 2>/dev/null
sleep 1
import -window "$window" "$windows/window-resized.png" 2>/dev/null
read -r width height < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
[ "$width" -ge 900 ] && pass "the window can be resized (${width}x$height)" || fail "resize: ${width}x$height"
close_window
if wine reg query 'HKCU\Software\PELTARIX\Kinds' 2>/dev/null | grep -c REG_DWORD | grep -qx 6 &&
    wine reg query 'HKCU\Software\PELTARIX' /v Placement 2>/dev/null | grep -q Placement; then
  pass "ticks and placement are kept under HKCU\\Software\\PELTARIX"
else
  fail "nothing remembered in the registry"
fi

echo "-- second start: the CSV exists, columns unticked in the registry"
wine reg add 'HKCU\Software\PELTARIX\Kinds' /v columns /t REG_DWORD /d 0 /f >/dev/null 2>&1
printf 'earlier' >"$csv"
start
read -r width2 height2 < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
[ "$width2" = "$width" ] && [ "$height2" = "$height" ] &&
  pass "the size is remembered" || fail "size ${width2}x$height2 after ${width}x$height"
press_execute
if wait_for 20 question_box; then
  pass "replacing the existing proposed CSV asks first"
  xdo key --window "$box" Return
  sleep 1
  [ "$(cat "$csv")" = earlier ] && pass "いいえ (the default) keeps the CSV" ||
    fail "the CSV was replaced after いいえ"
  # The focus is back on 実行.
  xdo key --window "$window" space
  wait_for 20 question_box && xdo key --window "$box" y
  if wait_for 30 grep -q MORVANTEL "$csv" && sleep 1 && ! grep -q AD020101 "$csv"; then
    pass "はい replaces it, without the unticked columns"
  else
    fail "はい did not replace the CSV with the remembered ticks"
  fi
else
  fail "no question before replacing the CSV"
fi
close_window
forget_settings
exit $((failures > 0))
