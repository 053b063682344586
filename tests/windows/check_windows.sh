#!/bin/bash
# check_windows.sh LINUX_BUILD WINDOWS_BUILD
# The Windows programs under Wine, without a display of their own: the unit
# tests, the command line against the Linux build (same CSV bytes, same exit
# statuses), numbers read and written, the window and its plan preview under
# Xvfb, which leave WINDOWS_BUILD/window.png, window-resized.png and
# preview.png, and the installer.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
prefix=$windows/wineprefix
work=$windows/wine-checks
. "$here/check_helpers.sh"

"$here/make_wine_prefix.sh" "$prefix" || exit 1
# UTF-8 file names on the Linux side; Wine's ANSI code page is then 1252,
# which cannot spell Japanese: the programs must use the wide APIs.
export LC_ALL=C.UTF-8 WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One Wine server, with its services, for all the short runs below. Started
# here with its output elsewhere: started inside a run whose output is read
# through a pipe (ctest), it would hold that pipe open.
wineserver -p 60 </dev/null >/dev/null 2>&1 || true  # already running
wine cmd /c exit </dev/null >/dev/null 2>&1
rm -rf "$work" && mkdir -p "$work/linux" "$work/windows"

# The log without the banners' times and detail lines (reasons in each
# system's words), Windows paths spelled as on Linux, both outputs' folders
# called "out".
masked_log() {
  sed -e 's/\[[0-9/,:]*\]/[TIME]/' -e 's/Z:\\/\//g' -e 's/\\/\//g' \
    -e 's#/wine-checks/\(linux\|windows\)/#/wine-checks/out/#g' "$1" | grep -v '詳細：'
}

# convert_both NAME SOURCE [ARGUMENT...]: the same conversion by both builds.
convert_both() {
  local name=$1 source=$2
  shift 2
  "$linux/peltarix-convert" -y "$@" "$source" -o "$work/linux/$name.csv" \
    >"$work/linux/$name.log" 2>&1
  local linux_status=$?
  wine "$windows/peltarix-convert.exe" -y "$@" "$(windows_path "$source")" \
    -o "$(windows_path "$work/windows/$name.csv")" >"$work/windows/$name.log" 2>&1
  local windows_status=$?
  if [ "$linux_status" != "$windows_status" ]; then
    fail "$name: exit status $windows_status on Windows, $linux_status on Linux"
  fi
  if [ -e "$work/linux/$name.csv" ] || [ -e "$work/windows/$name.csv" ]; then
    if ! cmp -s <(masked_csv "$work/linux/$name.csv" 2>&1) \
                <(masked_csv "$work/windows/$name.csv" 2>&1); then
      fail "$name: the CSV files differ"
      return
    fi
  fi
  if ! cmp -s <(masked_log "$work/linux/$name.log") <(masked_log "$work/windows/$name.log"); then
    fail "$name: the logs differ"
    return
  fi
  pass "$name (status $windows_status)"
}

start=$(date +%s)

echo "== unit tests"
if ctest --test-dir "$windows" --output-on-failure >"$work/ctest.log" 2>&1; then
  pass "unit tests under Wine"
else
  cat "$work/ctest.log"
  fail "unit tests"
fi

echo "== numbers"
"$linux/tests/peltarix_number_dump" >"$work/linux/numbers.txt"
# Its standard output is in text mode on Windows: LF comes out as CR LF.
wine "$windows/tests/peltarix_number_dump.exe" | tr -d '\r' >"$work/windows/numbers.txt"
if cmp -s "$work/linux/numbers.txt" "$work/windows/numbers.txt"; then
  pass "numbers: $(wc -l <"$work/linux/numbers.txt") values read and written alike"
else
  diff "$work/linux/numbers.txt" "$work/windows/numbers.txt" | head -5
  fail "numbers differ"
fi

echo "== command line"
convert_both sample "$root/examples/sample.QV"
convert_both sample-some-kinds "$root/examples/sample.QV" --kinds=columns,rooms
# The fuzzers' seeds: sources of every kind, good and damaged, after the
# byte that picks the fuzzer's kinds.
mkdir -p "$work/seeds"
for seed in "$root"/fuzz/corpus/run/*; do
  source="$work/seeds/$(basename "$seed").QV"
  tail -c +2 "$seed" >"$source"
  convert_both "seed-$(basename "$seed")" "$source"
done
convert_both missing-source "$work/no such file.QV"

echo "== Japanese names"
folder="$work/設計データ"
mkdir -p "$folder"
cp "$root/examples/sample.QV" "$folder/住宅 1.QV"
wine "$windows/peltarix-convert.exe" "$(windows_path "$folder/住宅 1.QV")" >"$work/japanese.log" 2>&1
status=$?
if [ $status != 0 ] || ! cmp -s <(masked_csv "$folder/住宅 1.csv") <(masked_csv "$work/linux/sample.csv"); then
  fail "設計データ\\住宅 1.QV: status $status, CSV $(ls "$folder")"
else
  pass "設計データ\\住宅 1.QV gives 住宅 1.csv, as on Linux"
fi
cp "$folder/住宅 1.csv" "$work/before.csv"
wine "$windows/peltarix-convert.exe" "$(windows_path "$folder/住宅 1.QV")" >/dev/null 2>&1
status=$?
if [ $status = 2 ] && cmp -s "$folder/住宅 1.csv" "$work/before.csv"; then
  pass "an existing CSV is kept without --overwrite (status 2)"
else
  fail "existing CSV without --overwrite: status $status"
fi
printf 'x' >"$folder/住宅 1.csv"
wine "$windows/peltarix-convert.exe" --overwrite "$(windows_path "$folder/住宅 1.QV")" >/dev/null 2>&1
status=$?
if [ $status = 0 ] && cmp -s <(masked_csv "$folder/住宅 1.csv") <(masked_csv "$work/linux/sample.csv"); then
  pass "--overwrite replaces the CSV (status 0)"
else
  fail "--overwrite: status $status"
fi
sed 's/^WOOD\r$/RC\r/' "$root/examples/sample.QV" >"$folder/鉄骨.QV"
wine "$windows/peltarix-convert.exe" "$(windows_path "$folder/鉄骨.QV")" >"$work/failed.log" 2>&1
status=$?
if [ $status = 1 ] && grep -q 'WOOD以外' "$work/failed.log"; then
  pass "a building that is not wooden stops the run (status 1)"
else
  fail "failed run: status $status"
fi
wine "$windows/peltarix-convert.exe" "$(windows_path "$folder/無い.QV")" >"$work/missing.log" 2>&1
status=$?
if [ $status = 2 ] && grep -q '無い.QV: ' "$work/missing.log"; then
  pass "a missing source is refused before any run (status 2)"
else
  fail "missing source: status $status"
fi

echo "== window"
"$here/check_window.sh" "$windows" "$work" "$work/linux/sample.csv" || fail "window"
"$here/check_window_comfort.sh" "$windows" "$work" "$work/linux/sample.csv" ||
  fail "the window's conveniences"
"$here/check_preview.sh" "$windows" "$work" || fail "the plan preview"

echo "== installer"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")
"$here/check_msi.sh" "$windows/peltarix-$version-windows-x64.msi" "$work/msi" || fail "installer"

wineserver -k 2>/dev/null
echo "Windows checks: $failures failed, $(($(date +%s) - start)) s"
[ $failures = 0 ]
