#!/bin/sh
# Checks the built Debian package as a distribution would: lintian, the
# desktop entry and the AppStream metainfo. Fails on any error or warning.
#   check-package.sh BUILD_DIR
set -eu
build=${1:-build}
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$(ls "$build"/tavro_"$version"_*.deb)
echo "== $deb: $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Depends
echo "== lintian"
lintian --fail-on error,warning --display-info --pedantic "$deb"
echo "== desktop-file-validate"
out=$(desktop-file-validate "$(dirname "$0")/../packaging/tavro.desktop")
[ -z "$out" ] || { echo "$out"; exit 1; }
echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic "$build"/packaging/*.metainfo.xml
