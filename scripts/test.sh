#!/usr/bin/env bash
# Builds and runs every test twice: a normal build in build/ and an
# AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
pecunio_ensure_packages "${PECUNIO_PACKAGES[@]}" "${PECUNIO_PACKAGE_TOOLS[@]}" "${PECUNIO_TEST_PACKAGES[@]}"

jobs=$(nproc)
status=0
run_suite() { # dir, extra cmake args...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  echo "== ctest in $dir"
  # No window system is needed: widget tests run on the offscreen platform.
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600) || status=1
}

# scripts/run.sh turns the tests and benchmarks off in build/: turn them back on.
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPECUNIO_BUILD_TESTS=ON -DPECUNIO_BUILD_BENCH=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DPECUNIO_SANITIZE=ON -DPECUNIO_BUILD_TESTS=ON -DPECUNIO_BUILD_BENCH=OFF

exit $status
