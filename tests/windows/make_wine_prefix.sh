#!/bin/sh
# make_wine_prefix.sh PREFIX
# Makes a Wine prefix for the Windows checks once, with the settings of
# prefix.reg (Japanese fonts, title bars). Safe to call from several
# processes at once.
set -e
prefix=$1
[ -f "$prefix/.peltarix-ready" ] && exit 0
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
(
  flock 9
  [ -f "$prefix/.peltarix-ready" ] && exit 0
  wineboot --init >/dev/null 2>&1
  # regedit reads UTF-16 files with a byte order mark; font names are Japanese.
  printf '\377\376' >"$prefix/prefix.reg"
  iconv -f UTF-8 -t UTF-16LE "$here/prefix.reg" >>"$prefix/prefix.reg"
  wine regedit /S "$(winepath -w "$prefix/prefix.reg")" >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.peltarix-ready"
) 9>"$prefix.lock"
