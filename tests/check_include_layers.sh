#!/bin/sh
# Fails when a folder of src/ includes a folder above it in the one-way
# order, or a front end includes another front end. Usage: SRC_DIR.
set -u
src=${1:?usage: check_include_layers.sh SRC_DIR}

rank() {
  case $1 in
    platform) echo 0 ;; source) echo 1 ;; geometry) echo 2 ;; run) echo 3 ;;
    records) echo 4 ;; conversion) echo 5 ;; preview) echo 6 ;; preview_window) echo 7 ;;
    window_model) echo 8 ;; cli | app | win) echo 9 ;; *) echo -1 ;;
  esac
}

status=0
for dir in "$src"/*/; do
  folder=$(basename "$dir")
  own=$(rank "$folder")
  if [ "$own" -lt 0 ]; then
    echo "src/$folder: not in the folder order of tests/check_include_layers.sh"
    status=1
    continue
  fi
  for included in $(grep -rhoE '^#include "[a-z_]+/' "$dir" | sed 's/^#include "//; s#/$##' | sort -u); do
    [ "$included" = "$folder" ] && continue
    other=$(rank "$included")
    [ "$other" -lt 0 ] && continue  # not a folder of src/
    if [ "$other" -ge "$own" ]; then
      echo "src/$folder includes src/$included, which stands above or beside it:"
      grep -rnE "^#include \"$included/" "$dir" | sed 's/^/  /'
      status=1
    fi
  done
done
exit $status
