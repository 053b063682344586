#!/bin/sh
# Fails when clang-format would change any C++ file under src/ tests/ bench/
# fuzz/, naming each place. Usage: check_format.sh CLANG_FORMAT ROOT
cd "$2" || exit 2
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
  xargs -0 "$1" --dry-run --Werror --ferror-limit=1
