#!/bin/sh
# .ci/check-deb-dependencies on two small packages of mst-import: one that declares the package
# holding pugixml, which passes, and one that declares only a package whose name merely starts
# the same (libpugixml1v5-doc), which must fail: package names match whole, never in part.
# usage: deb_dependencies_test.sh SOURCE_DIR MST_IMPORT SCRATCH_DIR
set -u
source_dir=$1
program=$2
work=$3/deb-dependencies
rm -rf "$work" && mkdir -p "$work" || exit 1
fail() { echo "check-deb-dependencies: $1"; cat "$work/log"; exit 1; }
make_deb() {  # NAME DEPENDS
  mkdir -p "$work/$1/DEBIAN" "$work/$1/usr/bin" && cp "$program" "$work/$1/usr/bin/mst-import" || exit 1
  printf 'Package: %s\nVersion: 1.0\nArchitecture: %s\nMaintainer: tests\nDepends: %s\nDescription: a test\n' \
    "$1" "$(dpkg --print-architecture)" "$2" > "$work/$1/DEBIAN/control"
  dpkg-deb --root-owner-group -b "$work/$1" "$work/$1.deb" > /dev/null || exit 1
}
libraries=$(ldd "$program" | awk '/=> \// { print $3 }' | while read -r library; do
  dpkg -S "$(readlink -f "$library")" 2>/dev/null | head -n 1 | cut -d: -f1; done | sort -u | tr '\n' ',' | sed 's/,$//')
make_deb whole "$libraries"
"$source_dir/.ci/check-deb-dependencies" "$work/whole.deb" > "$work/log" 2>&1 || fail "a package declaring $libraries fails"
make_deb part "$(echo "$libraries" | sed 's/libpugixml1v5/libpugixml1v5-doc/')"
"$source_dir/.ci/check-deb-dependencies" "$work/part.deb" > "$work/log" 2>&1 &&
  fail "a package declaring libpugixml1v5-doc passes for libpugixml1v5"
grep -q 'from libpugixml1v5, which the package does not declare' "$work/log" || fail "the reason was not given"
exit 0
