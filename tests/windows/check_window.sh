#!/bin/bash
# check_window.sh WINDOWS_BUILD WORK EXPECTED_CSV
# The window under Xvfb: it opens with the title "PELTARIX", its fields are
# filled at start (--fill), a key press on "実行" converts the example, the
# CSV equals EXPECTED_CSV (date masked), and WINDOWS_BUILD/window.png shows
# the window after the run. Expects WINEPREFIX and a running wineserver.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/check_helpers.sh"
windows=$1
work=$2
expected=$3
csv="$work/窓/住宅.csv"
mkdir -p "$work/窓" && rm -f "$csv"
cp "$root/examples/sample.QV" "$work/窓/住宅.QV"

start_xvfb 640x520
forget_settings
wine "$windows/peltarix.exe" --fill "$(windows_path "$work/窓/住宅.QV")" \
  "$(windows_path "$csv")" 2>/dev/null &
window_pid=$!

status=0
find_window() { window=$(xdotool search --name '^PELTARIX$' 2>/dev/null | head -1) && [ -n "$window" ]; }
if ! wait_for 60 find_window; then
  echo "FAIL: no window titled PELTARIX"
  exit 1
fi
echo "ok: the window opens with the title PELTARIX"
# The focus is on 実行: Space presses it, as a user's key press would.
sleep 0.5
xdotool key --window "$window" space 2>/dev/null
if wait_for 60 test -s "$csv" && sleep 1 &&
    cmp -s <(masked_csv "$csv") <(masked_csv "$expected"); then
  echo "ok: 実行 converts the example into the same CSV as on Linux"
else
  echo "FAIL: 実行 wrote no CSV, or a different one"
  status=1
fi
import -window "$window" "$windows/window.png" 2>/dev/null ||
  { echo "FAIL: no screenshot"; status=1; }
# Escape closes the window as "終了" does.
xdotool key --window "$window" Escape 2>/dev/null
if wait_for 20 bash -c "! kill -0 $window_pid 2>/dev/null"; then
  echo "ok: Escape closes the window"
else
  echo "FAIL: the window did not close"
  status=1
fi
exit $status
