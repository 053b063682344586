# Sourced by the Windows checks: what each of them needs to report, to name
# files for Wine and to wait for a window.

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# Z: is the Linux root in a Wine prefix.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# The CSV with the conversion date of the header masked.
masked_csv() { sed '1s/^\("[^"]*","[^"]*","\)[0-9]*"/\1DATE"/' "$1"; }

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local tenths=$(($1 * 10))
  shift
  until "$@"; do
    tenths=$((tenths - 1))
    [ $tenths -gt 0 ] || return 1
    sleep 0.1
  done
}

# xdotool without its complaints about Xvfb's focus.
xdo() { xdotool "$@" 2>/dev/null; }

# start_xvfb WIDTHxHEIGHT: a virtual screen of that size as $DISPLAY. When
# the check ends, the screen goes, and the window whose process the check
# put in $window_pid.
window_pid=""
start_xvfb() {
  exec 5< <(Xvfb -displayfd 1 -screen 0 "$1x24" -nolisten tcp 2>/dev/null)
  xvfb_pid=$!
  local display
  read -r -t 30 display <&5 || { echo "Xvfb did not start"; exit 1; }
  export DISPLAY=:$display
  trap stop_screen EXIT
}
stop_screen() {
  [ -n "$window_pid" ] && kill "$window_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}

# forget_settings: the window starts as on a first start, whatever an
# earlier check left.
forget_settings() { wine reg delete 'HKCU\Software\PELTARIX' /f >/dev/null 2>&1; }

# start_wineserver: a Wine server of its own for the current screen; one
# started for another screen would keep reporting that screen's work area,
# which the windows fit themselves into.
start_wineserver() {
  wineserver -k 2>/dev/null
  wineserver -p 60 </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
}
