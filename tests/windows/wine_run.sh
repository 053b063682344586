#!/bin/sh
# wine_run.sh PREFIX PROGRAM [ARGUMENT...]
# Runs a Windows program under Wine, quietly and without a display, in the
# Wine prefix PREFIX (made on first use). Exits with the program's status.
set -e
prefix=$1
shift
"$(dirname "$0")/make_wine_prefix.sh" "$prefix"
prefix=$(cd "$prefix" && pwd)
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Start the Wine server and its services apart from this program's output:
# started by the program, they would keep a pipe reading it (ctest) open.
wineserver -p 30 </dev/null >/dev/null 2>&1 || true  # already running
wine cmd /c exit </dev/null >/dev/null 2>&1
exec wine "$@"
