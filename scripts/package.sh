#!/usr/bin/env bash
# Builds the Debian source and binary packages with dpkg-buildpackage (debian/), in a clean
# copy of this tree under build-deb/ (the files git knows, uncommitted changes included;
# build folders left out). build-deb/ then holds, as dpkg-buildpackage leaves them beside
# the source: pecunio_<version>.dsc and .tar.xz, pecunio_<version>_<arch>.deb,
# pecunio-dbgsym_<version>_<arch>.deb, the .buildinfo and the .changes. lintian then checks
# them all, unless --no-lintian is given (scripts/test.sh: the package's test runs lintian).
# DEB_BUILD_OPTIONS is honoured (nocheck, parallel=N; without it, dpkg-buildpackage uses
# every core).
set -euo pipefail
cd "$(dirname "$0")/.."
lint=1
[ "${1:-}" = "--no-lintian" ] && lint=0
source scripts/deps.sh
pecunio_ensure_packages "${PECUNIO_PACKAGES[@]}" "${PECUNIO_PACKAGE_TOOLS[@]}"

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
out=build-deb
source_dir=$out/pecunio-$version
rm -rf "$out"
mkdir -p "$source_dir"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard --deduplicate |
    while IFS= read -r -d '' f; do
      if [ -e "$f" ] || [ -L "$f" ]; then printf '%s\0' "$f"; fi # deleted, not yet committed
    done |
    tar -c --null -T - | tar -x -C "$source_dir"
else
  tar -c --exclude='./build*' . | tar -x -C "$source_dir"
fi

(cd "$source_dir" && dpkg-buildpackage -us -uc)
rm -rf "$source_dir"
if [ $lint -eq 1 ] && command -v lintian >/dev/null; then
  lintian --pedantic --info "$out/pecunio_${version}_${arch}.changes"
fi
ls -l "$out"
echo "Install it with: sudo apt install ./$out/pecunio_${version}_${arch}.deb"
