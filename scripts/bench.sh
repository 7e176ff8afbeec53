#!/usr/bin/env bash
# Builds the benchmarks, makes the large drive once under build/bench/tree, and
# times the headless disk search against GNU find over it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)" --target setup make_big_drive search_benchmark
[ -d build/bench/tree ] || build/bench/make_big_drive build/bench/tree
build/bench/search_benchmark build/setup build/bench/tree build/bench "${1:-5}"
