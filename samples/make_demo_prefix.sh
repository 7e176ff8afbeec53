#!/usr/bin/env bash
# Makes a fresh demo machine prefix: make_demo_prefix.sh PREFIX PROGRAM
#   c:  a fixed disk with the Windows directory laid out as Windows 9x has it,
#       Internet Explorer under c:\Program Files, and an empty folder left
#       there by Netscape
#   d:  the CD-ROM with the setup medium in \SETUP, the program as Setup.EXE
#   a:  a floppy drive with no disk in it
set -euo pipefail
prefix=$1
program=$2
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$prefix"
mkdir -p "$prefix/dosdevices"
c="$prefix/drive_c"
d="$prefix/drive_d"
mkdir -p "$c/WINDOWS/SYSTEM" "$c/WINDOWS/COMMAND" "$c/WINDOWS/Fonts" \
         "$c/WINDOWS/Start Menu/Programs" "$c/Program Files/Internet Explorer" \
         "$c/Program Files/Netscape" \
         "$d/SETUP"
printf 'MZ demo browser\n' > "$c/Program Files/Internet Explorer/IEXPLORE.EXE"
cp -R "$here/medium/." "$d/SETUP/"
cp "$program" "$d/SETUP/Setup.EXE"
cp "$here/machine.ini" "$prefix/machine.ini"
ln -s ../drive_c "$prefix/dosdevices/c:"
ln -s ../drive_d "$prefix/dosdevices/d:"
