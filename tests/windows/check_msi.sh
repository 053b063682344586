#!/bin/bash
# check_msi.sh MSI WORK
# The installer under Wine: a quiet install puts both programs, the read-me
# and the example under Program Files, the two Start-menu shortcuts, the
# context-menu verb on .QV files and the Apps & features entry in place; the
# installed command line converts the example to the checked-in CSV; a quiet
# uninstall takes every one of them away again. Expects WINEPREFIX and a
# running wineserver.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/check_helpers.sh"
msi=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
# No Linux menu entries for the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

folder="$WINEPREFIX/drive_c/Program Files/PELTARIX"
# The installation is for all users; Wine nevertheless puts the shortcuts
# into the installing user's Start menu.
menus=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/PELTARIX"
       "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/PELTARIX")
installed=("$folder/peltarix.exe" "$folder/peltarix-convert.exe" "$folder/README.txt"
           "$folder/examples/sample.QV")
shortcuts=("PELTARIX.lnk" "PELTARIX お読みください.lnk")
verb='HKEY_CLASSES_ROOT\SystemFileAssociations\.QV\shell\PELTARIX.Convert'
uninstall='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# registry KEY: the key and its sub-keys as UTF-8 text (regedit writes UTF-16).
registry() {
  rm -f "$work/key.reg"
  wine regedit /E "$(windows_path "$work/key.reg")" "$1" >/dev/null 2>&1
  [ -s "$work/key.reg" ] && iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r'
}

wine msiexec /i "$(windows_path "$msi")" /qn >"$work/install.log" 2>&1
status=$?
[ $status = 0 ] && pass "msiexec /i /qn" || fail "msiexec /i: status $status"
missing=0
for file in "${installed[@]}"; do
  [ -f "$file" ] || { fail "not installed: ${file#"$WINEPREFIX"/}"; missing=1; }
done
[ $missing = 1 ] || pass "programs, read-me and example under Program Files\\PELTARIX"
for shortcut in "${shortcuts[@]}"; do
  [ -f "${menus[0]}/$shortcut" ] || [ -f "${menus[1]}/$shortcut" ] ||
    fail "no Start-menu shortcut PELTARIX\\$shortcut"
done
[ $failures != 0 ] || pass "Start-menu shortcuts: ${shortcuts[*]}"
if registry "$verb" | grep -qF '@="PELTARIXで変換"' &&
   registry "$verb" | grep -qF '@="\"C:\\Program Files\\PELTARIX\\peltarix.exe\" \"%1\""'; then
  pass "the verb PELTARIXで変換 opens peltarix.exe \"%1\""
else
  registry "$verb"
  fail "the context-menu verb on .QV"
fi
if registry "$uninstall" | grep -qF '"DisplayName"="PELTARIX"'; then
  pass "Apps & features lists PELTARIX"
else
  fail "no Apps & features entry"
fi

wine "C:\\Program Files\\PELTARIX\\peltarix-convert.exe" -q -y \
  "C:\\Program Files\\PELTARIX\\examples\\sample.QV" -o "$(windows_path "$work/installed.csv")" \
  >"$work/convert.log" 2>&1
sed -i '1s/^\("[^"]*","[^"]*","\)[0-9]\{8\}"/\1YYYYMMDD"/' "$work/installed.csv" 2>/dev/null
if cmp -s "$work/installed.csv" "$root/examples/sample.expected.csv"; then
  pass "the installed peltarix-convert.exe writes examples/sample.expected.csv"
else
  cat "$work/convert.log"
  fail "the installed peltarix-convert.exe"
fi

# The version in the installer's name is the one the installed program reports.
version=$(basename "$msi" | sed 's/^peltarix-\(.*\)-windows-x64\.msi$/\1/')
if wine "C:\\Program Files\\PELTARIX\\peltarix-convert.exe" --version 2>&1 | grep -qF " $version"; then
  pass "the installed peltarix-convert.exe reports version $version"
else
  fail "the installed peltarix-convert.exe does not report version $version"
fi

wine msiexec /x "$(windows_path "$msi")" /qn >"$work/uninstall.log" 2>&1
status=$?
[ $status = 0 ] && pass "msiexec /x /qn" || fail "msiexec /x: status $status"
for file in "${installed[@]}"; do
  [ ! -e "$file" ] || fail "left after uninstalling: ${file#"$WINEPREFIX"/}"
done
[ ! -e "$folder" ] || fail "left after uninstalling: Program Files/PELTARIX"
for menu in "${menus[@]}"; do
  [ ! -e "$menu" ] || fail "left after uninstalling: ${menu#"$WINEPREFIX"/}"
done
registry "$verb" >/dev/null && fail "left after uninstalling: the verb's key"
registry "$uninstall" | grep -qF '"DisplayName"="PELTARIX"' && fail "left: the Apps & features entry"
[ $failures = 0 ] && pass "msiexec /x removed the files, shortcuts, verb and entry"
echo "Installer checks: $failures failed"
[ $failures = 0 ]
