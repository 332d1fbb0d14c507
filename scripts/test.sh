#!/usr/bin/env bash
# Builds and runs every test: the Debian packages (scripts/package.sh, into build-deb/,
# which the package's test reads), a normal build in build/, an AddressSanitizer +
# UndefinedBehaviorSanitizer build in build-asan/, and the headless core with its tests
# cross-built for i386 in build-i386/. Warnings are errors in all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
pecunio_ensure_packages "${PECUNIO_PACKAGES[@]}" "${PECUNIO_PACKAGE_TOOLS[@]}" "${PECUNIO_TEST_PACKAGES[@]}" \
  "${PECUNIO_I386_PACKAGES[@]}"

jobs=$(nproc)
status=0

# The project's own sources keep the layout .clang-format gives them (clang-format -i mends it).
echo "== clang-format"
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror || status=1
run_suite() { # dir, extra cmake args...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DPECUNIO_WERROR=ON "$@"
  cmake --build "$dir" -j "$jobs"
  echo "== ctest in $dir"
  # No window system is needed: widget tests run on the offscreen platform.
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600) || status=1
}

# The headless tests run in the three builds below: the package's own run of them is left out.
DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" scripts/package.sh --no-lintian || status=1
# scripts/run.sh turns the tests and benchmarks off in build/: turn them back on.
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPECUNIO_BUILD_TESTS=ON -DPECUNIO_BUILD_BENCH=ON \
  -DPECUNIO_TEST_PACKAGE_DIR="$PWD/build-deb"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DPECUNIO_SANITIZE=ON -DPECUNIO_BUILD_TESTS=ON -DPECUNIO_BUILD_BENCH=OFF
# 32 bits: the engine gives the same results with a 32-bit long and no 128-bit integer.
run_suite build-i386 -DCMAKE_TOOLCHAIN_FILE=cmake/i686-linux-gnu.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPECUNIO_BUILD_GUI=OFF -DPECUNIO_BUILD_TESTS=ON

exit $status
