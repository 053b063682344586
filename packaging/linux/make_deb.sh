#!/bin/sh
# make_deb.sh BUILD_DIR DIST_DIR
# Packs what `cmake --install` puts under /usr into
# DIST_DIR/peltarix_VERSION_ARCH.deb, with the version of the build's CMake
# project and the shared libraries the programs link as dependencies.
set -eu
build=$(cd "$1" && pwd)
mkdir -p "$2"
dist=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
architecture=$(dpkg --print-architecture)
stage=$build/deb
root=$stage/root
rm -rf "$stage"
mkdir -p "$root/DEBIAN" "$stage/debian"

umask 022
DESTDIR=$root cmake --install "$build" --prefix /usr --strip >/dev/null
# Files as the package carries them whatever the umask of the checkout.
find "$root" -type d -exec chmod 0755 {} +
find "$root/usr" -type f -exec chmod 0644 {} +
chmod 0755 "$root"/usr/bin/*

# dpkg-shlibdeps reads the package names from a debian/control.
printf 'Source: peltarix\n\nPackage: peltarix\nArchitecture: any\n' >"$stage/debian/control"
libraries=$(cd "$stage" && dpkg-shlibdeps -O "$root"/usr/bin/* | sed -n 's/^shlibs:Depends=//p')

# The window needs Qt's platform plugins to open, and its Japanese dialogs
# Qt's translations and a Japanese font.
cat >"$root/DEBIAN/control" <<CONTROL
Package: peltarix
Version: $version
Architecture: $architecture
Maintainer: PELTARIX developers <peltarix@example.org>
Installed-Size: $(du -sk "$root/usr" | cut -f1)
Depends: $libraries, qt6-qpa-plugins
Recommends: qt6-translations-l10n, fonts-ipafont-gothic | fonts-japanese-gothic
Section: science
Priority: optional
Description: QV house design to CSV converter for structural design
 PELTARIX reads a house design exported by an architectural CAD system (a
 Shift-JIS text file, *.QV) and writes one Shift-JIS CSV file of coded
 records for a structural-design program: basic information, building
 outline and floor levels, columns, merged floor perimeters, rooms with
 room-kind codes, and 3-D roof faces. Every step of a run is reported in a
 log.
 .
 The package holds the Japanese window peltarix (Qt 6), which also previews
 the converted plan, and the command line peltarix-convert for batches.
CONTROL
(cd "$root" && find usr -type f -exec md5sum {} + | sort -k 2) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

package=$dist/peltarix_${version}_$architecture.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$package" >/dev/null
echo "$package"
