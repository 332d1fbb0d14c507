#!/usr/bin/env bash
# Builds Pecunio in build/ (RelWithDebInfo: optimised, with debug information, the same
# build type as scripts/test.sh so either reuses the other's work) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
pecunio_ensure_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPECUNIO_BUILD_TESTS=OFF -DPECUNIO_BUILD_BENCH=OFF
cmake --build build
exec build/Pecunio
