#!/bin/sh
# make_wine_prefix.sh PREFIX
# Makes a Wine prefix for the Windows checks once: Japanese dialog fonts
# replaced by the IPA Gothic fonts, so that Japanese text renders. Safe to
# call from several processes at once.
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
  # regedit reads UTF-16 files with a byte order mark; the font names are Japanese.
  printf '\377\376' >"$prefix/fonts.reg"
  iconv -f UTF-8 -t UTF-16LE "$here/fonts.reg" >>"$prefix/fonts.reg"
  wine regedit /S "$(winepath -w "$prefix/fonts.reg")" >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.peltarix-ready"
) 9>"$prefix.lock"
