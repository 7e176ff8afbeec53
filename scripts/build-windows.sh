#!/usr/bin/env bash
# Builds the program for Windows with MinGW-w64: build-win/Setup.EXE (32-bit,
# the release) and build-win64/Setup.EXE (64-bit).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target icon_compiler
for target in "i686 build-win" "x86_64 build-win64"; do
  set -- $target
  cmake -S . -B "$2" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$1-w64-mingw32.cmake" \
    -DSETUP_ICON_COMPILER="$PWD/build/tools/icon_compiler" > /dev/null
  cmake --build "$2" -j "$(nproc)"
  echo "built $2/Setup.EXE"
done
