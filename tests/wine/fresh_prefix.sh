#!/usr/bin/env bash
# Makes a fresh wine prefix for one test run: a copy of a template prefix,
# booted once. The copy hard-links what wine only reads and copies what it
# writes (the registry, the Windows directory's .ini files).
# The template has no window manager stalls (wine manages no window), and a
# crash ends the process rather than waiting in the debugger's dialog.
# Usage: fresh_prefix.sh TEMPLATE PREFIX
set -euo pipefail
template=$1 prefix=$2
wine=/usr/lib/wine/wine64

if [ ! -f "$template/system.reg" ]; then
  rm -rf "$template"
  mkdir -p "$(dirname "$template")"
  (
    export WINEPREFIX=$template WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
    "$wine" wineboot -i > /dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      > /dev/null 2>&1
    /usr/lib/wine/wineserver64 -w
  )
fi

rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
cp -al "$template" "$prefix"
for file in "$prefix"/*.reg "$prefix"/drive_c/windows/*.ini; do
  [ -f "$file" ] && cp --remove-destination "$template/${file#"$prefix"/}" "$file"
done
exit 0
