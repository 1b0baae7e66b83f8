#!/usr/bin/env bash
# End-to-end test of a program whose element text fails to build at start-up: the fault is
# shown in the error box, the rows read before it still work, and the program closes
# normally, writing its settings.
# Usage: start_fault.sh HALVORN_EXE DRIVER_EXE MALFORMED_TEXT WORK_DIR
set -euo pipefail
exe=$1 driver=$2 text=$3 work=$4
root=$(cd "$(dirname "$0")/../.." && pwd)
run() { "$root/scripts/wine-run" "$@"; }

rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$work/Halvorn.exe"
printf '[Halvorn]\r\nElement_Report_Form.Left=720\r\n' > "$work/Halvorn.ini"
# The text built in has an atomic weight in its third row that is no number.
expected="'$(awk -F'\t' 'NR == 4 { print $4 }' "$text")' is not a valid floating point value."
run "$work/Halvorn.exe" &
halvorn=$!
trap 'kill $halvorn 2>/dev/null || true' EXIT

echo "== waiting for the error box"
shown=$(run "$driver" answer-message-box 60 | tr -d '\r')
[ "$shown" = "$expected" ] || { echo "the error box said \"$shown\", not \"$expected\""; exit 1; }
echo "== pressing box 1, read before the fault"
run "$driver" click-box 1
run "$driver" wait-window "Hydrogen Properties :" 20
echo "== closing"
run "$driver" close
wait $halvorn || { echo "the program ended with an error"; exit 1; }
trap - EXIT
keys=$(grep -c '=' "$work/Halvorn.ini")
[ "$keys" -eq 29 ] || { echo "Halvorn.ini holds $keys keys, not 29"; exit 1; }
echo "end-to-end: start-up fault shown, program usable and closed normally ($work)"
