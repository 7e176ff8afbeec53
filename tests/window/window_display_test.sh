#!/usr/bin/env bash
# The whole wizard on the window display under Xvfb, played by a script that
# takes a screenshot of every page; then each screenshot is checked.
#   window_display_test.sh PROGRAM SOURCE_DIR WORK_DIR CHECKER
set -euo pipefail
program=$1 source=$2 work=$3 checker=$4
command -v xvfb-run > /dev/null || { echo "xvfb-run is not installed"; exit 77; }

rm -rf "$work"
mkdir -p "$work"
"$source/samples/make_demo_prefix.sh" "$work/prefix" "$program"
cd "$work"
status=0
# X11 and its font libraries keep what they allocate until the process ends.
ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 800x600x24 -noreset" \
  env SETUP_PREFIX="$work/prefix" SETUP_UI=window SETUP_SCRIPT="$source/tests/window/pages.script" \
  SETUP_TRANSCRIPT="$work/transcript.txt" "$work/prefix/drive_d/SETUP/Setup.EXE" || status=$?
if [ "$status" -ne 1 ]; then
  echo "the run ended with exit code $status, not 1"
  exit 1
fi
"$checker" "$source/tests/window/pages.script" "$work" 800 600
