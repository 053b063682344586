#!/bin/sh
# Instructions per source byte, counted by callgrind (deterministic, unlike
# times on a shared machine): a whole run with every kind of data, and the
# run's reading step alone (read, validate, index), on a generated source.
#
#   bench/callgrind_per_byte.sh [BUILD_DIR] [BYTES]     (defaults: build, 4 MiB)
set -eu
build=${1:-build}
bytes=${2:-4194304}
command -v valgrind >/dev/null || { echo "needs valgrind (apt-get install valgrind)" >&2; exit 2; }
for tool in "$build/peltarix-convert" "$build/bench/peltarix_bench_source"; do
  [ -x "$tool" ] || { echo "missing $tool: build the targets peltarix-convert and peltarix_bench_source" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/peltarix_bench_source" generate "$bytes" "$work/source.QV"
size=$(wc -c <"$work/source.QV")

# Prints the instructions of one command, per source byte.
count() {
  label=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$@" 2>"$work/valgrind.log"
  total=$(sed -n 's/^summary: *//p' "$work/callgrind.out")
  printf '%-24s %14s instructions  %6.1f per byte\n' "$label" "$total" \
    "$(echo "$total $size" | awk '{print $1 / $2}')"
}

echo "source: $size bytes"
count "read, validate, index" "$build/bench/peltarix_bench_source" read "$work/source.QV"
count "whole run, every kind" "$build/peltarix-convert" -q -y "$work/source.QV" -o "$work/out.csv"
