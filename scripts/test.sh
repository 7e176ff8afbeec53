#!/usr/bin/env bash
# Builds everything and runs every test, then the same tests again in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer. Where wine and the
# MinGW-w64 compilers are installed, the end-to-end scenarios are also played
# on real Win32: the Windows build under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(nproc)

wine_tests=OFF
if [ -x /usr/lib/wine/wine64 ] && command -v x86_64-w64-mingw32-g++ > /dev/null; then
  scripts/build-windows.sh
  wine_tests=ON
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSETUP_WINE_TESTS=$wine_tests
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSETUP_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
