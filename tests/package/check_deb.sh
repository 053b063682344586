#!/bin/bash
# check_deb.sh PACKAGE.deb
# The Debian package as a user gets it: lintian finds no error; unpacked with
# dpkg -x, its command line converts the example to the checked-in CSV (date
# masked) and both programs report the package's version; its desktop entry
# and AppStream metadata pass their validators.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
package=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

if lintian --fail-on error "$package" >"$work/lintian.txt" 2>&1; then
  pass "lintian: no error"
else
  cat "$work/lintian.txt"
  fail "lintian"
fi

dpkg -x "$package" "$work/root"
version=$(dpkg-deb -f "$package" Version)
usr=$work/root/usr
# The header's third field is the day of the run.
"$usr/bin/peltarix-convert" -q "$root/examples/sample.QV" -o "$work/sample.csv" 2>&1
sed -i '1s/^\("[^"]*","[^"]*","\)[0-9]\{8\}"/\1YYYYMMDD"/' "$work/sample.csv"
if cmp "$work/sample.csv" "$root/examples/sample.expected.csv"; then
  pass "the packaged peltarix-convert writes examples/sample.expected.csv"
else
  fail "the packaged peltarix-convert: the CSV differs"
fi
for program in peltarix-convert peltarix; do
  if "$usr/bin/$program" --version 2>&1 | grep -qF " $version"; then
    pass "$program --version names $version"
  else
    fail "$program --version: $("$usr/bin/$program" --version 2>&1 | head -1), package $version"
  fi
done

if desktop-file-validate "$usr/share/applications/peltarix.desktop"; then
  pass "desktop-file-validate"
else
  fail "desktop-file-validate"
fi
if appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >"$work/appstream.txt" 2>&1; then
  pass "appstreamcli validate"
else
  cat "$work/appstream.txt"
  fail "appstreamcli validate"
fi

echo "Package checks: $failures failed"
[ $failures = 0 ]
