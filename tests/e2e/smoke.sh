#!/usr/bin/env bash
# End-to-end test of the real program under Wine, driven from outside as a user would:
# wait for the painted table, press box 26 with the mouse, see the iron report window,
# save the table picture beside the exe, press Exit, and find the settings file written
# beside the exe.
# Usage: smoke.sh HALVORN_EXE DRIVER_EXE WORK_DIR
set -euo pipefail
exe=$1 driver=$2 work=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
run() { "$root/scripts/wine-run" "$@"; }

rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$work/Halvorn.exe"
cp "$(dirname "$exe")/Halvorn.txt" "$(dirname "$exe")/catalog.txt" "$work/"
# The report window opens beside the table rather than over its Exit button.
printf '[Halvorn]\r\nElement_Report_Form.Left=720\r\n' > "$work/Halvorn.ini"
run "$work/Halvorn.exe" &
halvorn=$!
trap 'kill $halvorn 2>/dev/null || true' EXIT

step() { echo "== $*"; }
step "waiting for the painted table"
run "$driver" wait-painted 60
step "pressing box 26"
run "$driver" click-box 26
run "$driver" wait-window "Iron Properties :" 20

step "saving the table picture beside the exe"
run "$driver" command 1003
run "$driver" answer-message-box 20
[ "$(head -c 2 "$work/Halvorn.bmp")" = "BM" ] || { echo "no Halvorn.bmp beside the exe"; exit 1; }
saved=$(identify -format '%w %h' "$work/Halvorn.bmp")
[ "${saved%% *}" -gt 600 ] || { echo "the saved picture is only $saved"; exit 1; }

step "pressing Exit"
run "$driver" click-button Exit
for _ in $(seq 150); do kill -0 $halvorn 2>/dev/null || break; sleep 0.1; done
if kill -0 $halvorn 2>/dev/null; then echo "the program did not end after Exit"; exit 1; fi
wait $halvorn || { echo "the program ended with an error"; exit 1; }
trap - EXIT

ini="$work/Halvorn.ini"
[ -f "$ini" ] || { echo "no Halvorn.ini beside the exe"; exit 1; }
keys=$(grep -c '=' "$ini")
[ "$keys" -eq 29 ] || { echo "Halvorn.ini holds $keys keys, not 29"; cat "$ini"; exit 1; }
grep -q '^\[Halvorn\]' "$ini" || { echo "no [Halvorn] section"; exit 1; }
echo "end-to-end: table painted, report opened, program closed, settings written ($work)"
