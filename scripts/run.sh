#!/usr/bin/env bash
# Builds Pecunio (Release) in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
pecunio_ensure_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPECUNIO_BUILD_TESTS=OFF
cmake --build build
exec build/Pecunio
