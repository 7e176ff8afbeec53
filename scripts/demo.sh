#!/usr/bin/env bash
# Builds the program, makes a fresh demo machine under build/demo/ and runs the
# wizard there: on the window display for a person to click through when there
# is an X display, else headless, playing samples/demo.script. Then prints what
# the program did and the files it installed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)" --target setup

prefix=build/demo
samples/make_demo_prefix.sh "$prefix" build/setup
transcript="$prefix/transcript.txt"

status=0
if [ -n "${DISPLAY:-}" ]; then
  SETUP_PREFIX="$prefix" SETUP_UI=window SETUP_TRANSCRIPT="$transcript" \
    "$prefix/drive_d/SETUP/Setup.EXE" || status=$?
else
  SETUP_PREFIX="$prefix" SETUP_UI=headless SETUP_SCRIPT=samples/demo.script \
    SETUP_TRANSCRIPT="$transcript" SETUP_SHOW_WINDOWS=1 \
    "$prefix/drive_d/SETUP/Setup.EXE" || status=$?
fi

echo
echo "== transcript"
cat "$transcript"
echo
echo "== files on c: after the run"
(cd "$prefix/drive_c" && find . -type f | sed 's|^\./|c:/|' | sort)
echo
echo "== INSTALLEDLANGS"
sed -n '/^\[INSTALLEDLANGS\]/,$p' "$prefix/drive_c/WINDOWS/ISCII.INI"
echo
echo "== exit code $status"
