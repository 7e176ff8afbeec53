#!/usr/bin/env bash
# Runs a Windows console program in a fresh prefix and gives its exit code:
# the conformance tests against wine's own functions.
# Usage: run_on_wine.sh TEMPLATE WORK PROGRAM [ARGUMENTS...]
set -euo pipefail
template=$1 work=$2 program=$3
shift 3
"$(dirname "$0")/fresh_prefix.sh" "$template" "$work"
export WINEPREFIX=$work WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
status=0
timeout -s KILL 300 /usr/lib/wine/wine64 "$program" "$@" || status=$?
/usr/lib/wine/wineserver64 -k > /dev/null 2>&1 || true
exit "$status"
