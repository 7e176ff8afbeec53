#!/usr/bin/env bash
# Boots a wine prefix once, for tests to copy: without a window manager hidden
# windows would stall unless wine manages none, and a crash must end the
# process rather than wait in the debugger's dialog.
# Usage: boot_prefix.sh PREFIX
set -euo pipefail
prefix=$1
[ -f "$prefix/system.reg" ] && exit 0
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine=/usr/lib/wine/wine64
"$wine" wineboot -i > /dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
  > /dev/null 2>&1
/usr/lib/wine/wineserver64 -w
