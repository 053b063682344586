#!/bin/bash
# Takes the pictures of the plan preview window on the tab of the roofs
# over 1F, after converting examples/sample.QV: the Qt window on Linux
# (docs/preview-window.png at 100 %, docs/preview-window-200.png with
# QT_SCALE_FACTOR=2) and the native window on Windows under Wine
# (docs/windows-preview.png at 96 dpi, docs/windows-preview-200.png at
# 192 dpi in a prefix of its own), each on a virtual 1280x800 screen, or
# 2560x1600 at 200 %. At 200 % the converter windows are taken too, after
# their run (docs/window_run-200.png, docs/windows-window-200.png).
# Needs Xvfb, xdotool, imagemagick and Wine.
# Usage: docs/preview_screenshots.sh [LINUX_BUILD [WINDOWS_BUILD]]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
linux=$(cd "$repo" && realpath "${1:-build}")
windows=$(cd "$repo" && realpath "${2:-build-windows}")
# A fixed folder, so that the pictures show plain paths.
work=/tmp/peltarix-docs
rm -rf "$work"
mkdir -p "$work/plans"
cp "$repo/examples/sample.QV" "$work/plans/house.QV"
xvfb_pid=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# start_screen WIDTHxHEIGHT: a virtual X screen of that size as $DISPLAY.
start_screen() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  exec 5< <(Xvfb -displayfd 1 -screen 0 "$1x24" -nolisten tcp 2>/dev/null)
  xvfb_pid=$!
  local display
  read -r -t 30 display <&5
  export DISPLAY=:$display
}

# wait_for_csv: until the run has written house.csv, and a moment more for
# its last log lines.
wait_for_csv() {
  for _ in $(seq 300); do
    [ -s "$work/plans/house.csv" ] && break
    sleep 0.2
  done
  sleep 2
}

# find_titled TITLE: waits for a window with that title and prints it.
find_titled() {
  local found=""
  for _ in $(seq 300); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$found" ] &&
      break
    sleep 0.2
  done
  echo "$found"
}

# shoot_preview WINDOW PICTURE: the preview on its third tab (屋根 1F), the
# pointer away from the picture so that no tooltip covers it.
shoot_preview() {
  local preview=$1
  sleep 2
  xdotool windowfocus "$preview" 2>/dev/null || true
  xdotool key --window "$preview" ctrl+Tab ctrl+Tab 2>/dev/null
  xdotool mousemove 0 0
  sleep 1.5
  import -window "$preview" "$2"
}

# shoot_window WINDOW [PICTURE]: the converter window, when a picture is asked for.
shoot_window() {
  [ -n "${2:-}" ] && import -window "$1" "$2"
  return 0
}

# qt_preview SCALE PICTURE [WINDOW_PICTURE]: the Qt window converts
# house.QV; プレビュー is one Shift+Tab from 実行.
qt_preview() {
  (cd "$work/plans" && QT_SCALE_FACTOR=$1 XDG_CONFIG_HOME="$work/config" "$linux/peltarix" house.QV) &
  app=$!
  local window
  window=$(find_titled PELTARIX)
  sleep 1
  xdotool windowfocus "$window"
  sleep 0.5
  # From the source field, ten tab stops lead to "実行".
  for _ in $(seq 10); do xdotool key Tab; done
  xdotool key space
  wait_for_csv
  shoot_window "$window" "${3:-}"
  xdotool key shift+Tab space
  shoot_preview "$(find_titled 'プレビュー - PELTARIX')" "$2"
  kill "$app"
  wait "$app" 2>/dev/null || true
  app=""
  rm -f "$work/plans/house.csv"
}

# wine_preview PREFIX PICTURE [WINDOW_PICTURE]: the same in the Windows
# window under Wine.
wine_preview() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
  wineserver -k 2>/dev/null || true
  wineserver -p 60 </dev/null >/dev/null 2>&1
  wine reg delete 'HKCU\Software\PELTARIX' /f >/dev/null 2>&1 || true
  wine "$windows/peltarix.exe" --fill 'Z:\tmp\peltarix-docs\plans\house.QV' \
    'Z:\tmp\peltarix-docs\plans\house.csv' 2>/dev/null &
  app=$!
  local window
  window=$(find_titled PELTARIX)
  sleep 1
  # The focus is on 実行; プレビュー is one Shift+Tab before it.
  xdotool key --window "$window" space
  wait_for_csv
  shoot_window "$window" "${3:-}"
  xdotool key --window "$window" shift+Tab space
  shoot_preview "$(find_titled 'プレビュー - PELTARIX')" "$2"
  kill "$app" 2>/dev/null
  wineserver -k 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
  rm -f "$work/plans/house.csv"
}

start_screen 1280x800
qt_preview 1 "$repo/docs/preview-window.png"
start_screen 2560x1600
qt_preview 2 "$repo/docs/preview-window-200.png" "$repo/docs/window_run-200.png"

"$repo/tests/windows/make_wine_prefix.sh" "$windows/wineprefix"
start_screen 1280x800
wine_preview "$windows/wineprefix" "$repo/docs/windows-preview.png"
# A prefix of its own at 192 dpi (Windows' 200 %), kept for the next time.
"$repo/tests/windows/make_wine_prefix.sh" "$windows/wineprefix-200"
WINEPREFIX=$windows/wineprefix-200 WINEDEBUG=-all wine reg add 'HKCU\Control Panel\Desktop' \
  /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
start_screen 2560x1600
wine_preview "$windows/wineprefix-200" "$repo/docs/windows-preview-200.png" \
  "$repo/docs/windows-window-200.png"
