#!/bin/sh
# Installs the Debian packages Tavro needs to build and test, and only those
# that are missing, so a second run costs nothing. Extra package names given
# as arguments are installed too (the screenshot and fuzzing targets use this).
set -eu

packages="g++ make cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev rapidjson-dev libngspice0-dev ngspice
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n qt6-l10n-tools libqcustomplot-dev poppler-utils
  fontconfig fonts-dejavu-core fonts-liberation
  poppler-utils
  dpkg-dev file desktop-file-utils appstream"

missing=""
for p in $packages "$@"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# A fresh machine may have empty package lists; refresh them only when needed.
if ! $sudo apt-get install -y --no-install-recommends $missing; then
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends $missing
fi
