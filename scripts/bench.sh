#!/usr/bin/env bash
# Builds the benchmarks, makes the large drive once under build/bench/tree, and
# times the headless disk search against GNU find over it, and the window
# display's search against the headless one.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)" --target setup make_big_drive search_benchmark
[ -d build/bench/tree ] || build/bench/make_big_drive build/bench/tree
# Without an X display the window display is timed under Xvfb.
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run > /dev/null; then
  xvfb-run -a -s "-screen 0 800x600x24 -noreset" \
    build/bench/search_benchmark build/setup build/bench/tree build/bench "${1:-5}"
else
  build/bench/search_benchmark build/setup build/bench/tree build/bench "${1:-5}"
fi
