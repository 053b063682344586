#!/bin/bash
# Takes docs/window_run.png: the window after converting examples/sample.QV
# (a finished run with two warnings), on a virtual 1280x800 X screen.
# Needs xvfb, xdotool and imagemagick. Usage: docs/window_screenshot.sh [build-dir]
set -euo pipefail
if [ -z "${DISPLAY:-}" ] || [ "${1:-}" != --inside ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" --inside "${1:-build}"
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
binary=$(cd "$repo" && realpath "$2/peltarix")
# A fixed folder, so that the picture shows a plain path.
work=/tmp/peltarix-docs
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/plans"
cp "$repo/examples/sample.QV" "$work/plans/house.QV"
# A settings folder of its own: the window starts as on a first start.
export XDG_CONFIG_HOME="$work/config"
cd "$work/plans"
"$binary" house.QV &
app=$!
window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --name '^PELTARIX$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.2
done
sleep 1
# Tall enough to show the whole transcript of the run.
xdotool windowsize --sync "$window" 530 580
xdotool windowfocus --sync "$window"
# From the source field, ten tab stops lead to "実行".
for _ in $(seq 10); do xdotool key Tab; done
xdotool key space
sleep 1.5
import -window "$window" "$repo/docs/window_run.png"
xdotool key Escape
wait "$app"
