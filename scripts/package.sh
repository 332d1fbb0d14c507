#!/usr/bin/env bash
# Builds the Debian package build-deb/pecunio_<version>_<arch>.deb: a Release build for /usr
# with Debian's hardening flags, packed by CPack from the install rules, then checked with
# lintian when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
pecunio_ensure_packages "${PECUNIO_PACKAGES[@]}" "${PECUNIO_PACKAGE_TOOLS[@]}"
# Every hardening flag Debian knows, bindnow included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DPECUNIO_BUILD_TESTS=OFF -DPECUNIO_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-deb --target package
deb=$(ls -t build-deb/pecunio_*.deb | head -n 1)
if command -v lintian >/dev/null; then
  lintian --info "$deb"
fi
echo "Package: $deb"
echo "Install it with: sudo apt install ./$deb"
