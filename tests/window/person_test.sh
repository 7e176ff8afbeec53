#!/usr/bin/env bash
# A person's mouse and keys on the window display under Xvfb, given with
# xdotool: the whole installation, clicked and typed through.
#   person_test.sh PROGRAM SOURCE_DIR WORK_DIR
set -euo pipefail
program=$1 source=$2 work=$3
command -v xvfb-run > /dev/null && command -v xdotool > /dev/null ||
  { echo "xvfb-run or xdotool is not installed"; exit 77; }

rm -rf "$work"
mkdir -p "$work"
"$source/samples/make_demo_prefix.sh" "$work/prefix" "$program"
cat > "$work/person.sh" <<'PERSON'
#!/usr/bin/env bash
# Screen positions: a window's client area starts 3 pixels right of and 21
# below its outer corner.
prefix=$1
ASAN_OPTIONS=detect_leaks=0 SETUP_PREFIX="$prefix" SETUP_UI=window \
  SETUP_TRANSCRIPT="$prefix/transcript.txt" "$prefix/drive_d/SETUP/Setup.EXE" &
program=$!
step() { sleep "${2:-1}"; xdotool $1; }
step "mousemove 320 225 click 1" 2       # the language page's first check box
step "mousemove 370 411 click 1"         # its OK
step "key Tab Tab Tab space"             # the browser page: Netscape Navigator
step "key alt+o"                         # OK by its mnemonic
step "key Return" 2                      # the Internet Explorer chooser's proposal
step "key Return"                        # "There is no Netscape Navigator"
step "mousemove 400 345 click 1"         # into the destination box
step "type --delay 20 C:\\Pluginsx"
step "key BackSpace"
step "key alt+o"
step "key Return" 2                      # "Installation Completed!"
step "key Return"                        # the readme's OK
wait $program
PERSON
chmod +x "$work/person.sh"
status=0
xvfb-run -a -s "-screen 0 800x600x24 -noreset" "$work/person.sh" "$work/prefix" || status=$?
transcript="$work/prefix/transcript.txt"
for line in \
  'profile-write "INSTALLEDLANGS" "LANG1" "Devanagari (Hindi, Marathi)"' \
  'copy "D:\\SETUP\\IEISCII.DL_" "c:\\Program Files\\Internet Explorer\\Plugins\\ieiscii.dll" ok' \
  'copy "D:\\SETUP\\NPISCII.DL_" "C:\\Plugins\\npiscii.dll" ok' \
  'dialog INFOHELP'; do
  grep -qF -- "$line" "$transcript" || { echo "missing from the transcript: $line"; cat "$transcript"; exit 1; }
done
[ "$status" -eq 1 ] || { echo "the run ended with exit code $status, not 1"; exit 1; }
echo "the person's run installed with exit code 1"
