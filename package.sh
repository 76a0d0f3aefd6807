#!/usr/bin/env bash
# Installs what is missing, builds a release without tests into build-package/
# and makes the Debian package varnholt-backgammon_VERSION_ARCH.deb here with
# cpack, then checks it with lintian (errors fail, warnings are shown).
#   sudo apt install ./varnholt-backgammon_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing_packages "${VARNHOLT_PACKAGING_PACKAGES[@]}"

# Debian's hardening flags (fortify, stack protector, relro, bindnow).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
rm -f build-package/CMakeCache.txt
# Games go to /usr/games and their data to /usr/share/games in a Debian package.
configure_and_build build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games -DVARNHOLT_DATA_INSTALL_DIR=share/games/varnholt-backgammon \
    -DVARNHOLT_BUILD_TESTS=OFF -DVARNHOLT_BUILD_BENCH=OFF

rm -f varnholt-backgammon_*.deb
(cd build-package && cpack -G DEB)
mv build-package/varnholt-backgammon_*.deb .
deb=$(ls varnholt-backgammon_*.deb)
echo "Built $deb"

lintian --info --fail-on error "$deb"
