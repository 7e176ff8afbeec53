#!/usr/bin/env bash
# Runs a Windows console program in a fresh copy of the booted prefix and
# gives its exit code: the conformance tests against wine's own functions.
# Usage: run_on_wine.sh TEMPLATE WORK PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(dirname "$0")
template=$1 work=$2 program=$3
shift 3
"$here/boot_prefix.sh" "$template"
rm -rf "$work"
mkdir -p "$(dirname "$work")"
# Hard links for what wine only reads; its registry is written, so copied.
cp -al "$template" "$work"
for file in "$work"/*.reg; do cp --remove-destination "$template/$(basename "$file")" "$file"; done
export WINEPREFIX=$work WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
status=0
timeout -s KILL 300 /usr/lib/wine/wine64 "$program" "$@" || status=$?
/usr/lib/wine/wineserver64 -k > /dev/null 2>&1 || true
exit "$status"
