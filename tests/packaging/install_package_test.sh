#!/bin/sh
# Builds the Debian package into a scratch folder, installs it with dpkg into a
# scratch root as a distribution would, runs the installed tavro-cli on the
# worked example, then removes the package and checks that nothing is left.
# Skipped (77) unless run as root with dpkg there.
#   install_package_test.sh CPACK CPACK_CONFIG VERSION
set -eu
cpack=$1 config=$2 version=$3
[ "$(id -u)" -eq 0 ] && command -v dpkg >/dev/null 2>&1 && command -v dpkg-deb >/dev/null 2>&1 ||
  exit 77

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavro-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(ls "$scratch"/out/tavro_"$version"_*.deb) || fail "no tavro_${version}_*.deb"

# The package as dpkg sees it: its name, its version and libraries it needs.
[ "$(dpkg-deb --field "$deb" Package)" = tavro ] || fail "package name"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb --field "$deb" Depends | grep -q 'libc6' || fail "no dependencies from dpkg-shlibdeps"

# A root of its own with an empty dpkg database; the host's libraries serve
# the dependencies, which that database does not know.
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-script-chrootless --install "$deb" \
  >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; fail "dpkg --install"; }

for f in usr/bin/tavro-cli usr/share/man/man1/tavro-cli.1.gz usr/share/doc/tavro/copyright \
  usr/share/doc/tavro/changelog.gz; do
  [ -f "$root/$f" ] || fail "/$f is not installed"
done
if [ -e "$root/usr/bin/tavro" ]; then
  for f in usr/share/man/man1/tavro.1.gz usr/share/icons/hicolor/scalable/apps/tavro.svg \
    usr/share/icons/hicolor/48x48/apps/tavro.png; do
    [ -f "$root/$f" ] || fail "/$f is not installed"
  done
  ls "$root"/usr/share/applications/*.desktop "$root"/usr/share/metainfo/*.metainfo.xml \
    >/dev/null || fail "no menu entry or AppStream data"
fi
[ ! -e "$root/usr/share/doc/tavro/LICENSE" ] || fail "the licence text is installed twice"

[ "$("$root/usr/bin/tavro-cli" --version)" = "tavro-cli $version" ] || fail "tavro-cli --version"
out=$("$root/usr/bin/tavro-cli" --voltage 12 --current 1 --ripple 1 --limbs 1 --flux 1.2 \
  --diode-drop 0.7 --decimal-separator .) || fail "the worked example exits with $?"
for value in 1.25570E+01 1.98443E+04 "120%  1.20000E+00"; do
  printf '%s\n' "$out" | grep -qF -- "$value" || fail "the worked example does not give $value"
done

# The simulation check finds its helper and ngspice's start-up file in the
# installed tree.
[ -x "$root/usr/libexec/tavro/tavro-simulate" ] || fail "no simulation helper"
sim=$("$root/usr/bin/tavro-cli" --voltage 12 --current 1 --ripple 1 --limbs 1 --flux 1.2 \
  --diode-drop 0.7 --decimal-separator . --simulate --json) || fail "--simulate exits with $?"
printf '%s\n' "$sim" | grep -q '"passed":true' || fail "the installed simulation check fails"

dpkg --root="$root" --force-script-chrootless --remove tavro >>"$scratch/dpkg.log" 2>&1 ||
  { cat "$scratch/dpkg.log" >&2; fail "dpkg --remove"; }
left=$(find "$root" -path "$root/var" -prune -o ! -type d -print)
[ -z "$left" ] || fail "left after removal: $left"
echo "tavro $version installed, ran the worked example and was removed"
