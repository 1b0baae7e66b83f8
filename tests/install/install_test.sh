#!/usr/bin/env bash
# Installs and uninstalls Halvorn silently in a Wine prefix of its own, made for the run and
# removed after it, and checks what each leaves behind.
# First round: the suggested folder; the program's settings, picture and run-at-start-up
# value stand for its use; after the uninstall nothing of it is left.
# Second round: a folder with a blank in its name, holding a file of the user's, and a run
# value of another copy of the program; the uninstall keeps both.
# Usage: install_test.sh SETUP_EXE PROGRAM_DIR (the folder Halvorn.exe and its documents were packed from)
set -uo pipefail
setup=$(realpath "$1") program_dir=$(realpath "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
expected_version=2.0b
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Halvorn'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
started=$(date +%s)

source "$root/scripts/display.sh"
# display.sh may have set an exit trap that stops the X server it started: it runs after ours.
display_cleanup=""
if display_trap=$(trap -p EXIT) && [ -n "$display_trap" ]; then
  eval "set -- $display_trap"
  display_cleanup=$3
fi
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/halvorn-install.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The prefix's programs end before the prefix goes, and before the display they use.
cleanup() {
  wineserver -k 2>/dev/null
  rm -rf "$WINEPREFIX"
  eval "$display_cleanup"
}
trap cleanup EXIT

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $description"
  fi
}
same() { [ "$1" = "$2" ] || { echo "  got '$1', expected '$2'"; return 1; }; }
absent() { [ ! -e "$1" ] || { echo "  still there: $1"; return 1; }; }
# The data of one registry value, or nothing when it or its key is missing.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
key_missing() { ! wine reg query "$1" >/dev/null 2>&1 || { echo "  key still there: $1"; return 1; }; }
windows_variable() { wine cmd /c echo "%$1%" | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null; }
# A shortcut holds its target as a single-byte string and its folder as a counted UTF-16
# one, whose count may read as a character in front: a string ending with TEXT counts.
lnk_holds() {  # lnk_holds FILE STRINGS_ENCODING TEXT
  strings "$2" -n 6 "$1" | text=$3 awk '{ text = ENVIRON["text"] }
    substr($0, length($0) - length(text) + 1) == text { found = 1 }
    END { exit !found }' || { echo "  $1 does not hold '$3'"; return 1; }
}
# The uninstaller copies itself to the temporary folder and runs from there, so its own
# process ends at once; the prefix's server ends when the copy has finished.
uninstall() {
  local command uninstaller
  command=$(reg_value "$uninstall_key" UninstallString)
  uninstaller=${command//\"/}
  wine "$uninstaller" /S
  timeout 120 wineserver -w
}

wineboot -i >/dev/null 2>&1
wineserver -w
start_menu=$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
shortcut="$start_menu/Halvorn.lnk"

echo "== installing into the suggested folder"
check "the installer ends without error" wine "$setup" /S
windows_dir="$(windows_variable LOCALAPPDATA)\\Programs\\Halvorn"
dir=$(unix_path "$windows_dir")
for file in Halvorn.exe Halvorn.txt catalog.txt; do
  check "$file installed as built" cmp "$program_dir/$file" "$dir/$file"
done
check "the uninstaller installed" test -f "$dir/Uninstall.exe"
check "the shortcut starts the installed exe" lnk_holds "$shortcut" -es "$windows_dir\\Halvorn.exe"
check "the shortcut starts it in its folder" lnk_holds "$shortcut" -el "$windows_dir"
while IFS='|' read -r name expected; do
  check "uninstall entry $name" same "$(reg_value "$uninstall_key" "$name")" "$expected"
done <<EOF
DisplayName|Halvorn
DisplayVersion|$expected_version
InstallLocation|$windows_dir
UninstallString|"$windows_dir\\Uninstall.exe"
EOF

echo "== using it: settings, picture, run at start-up"
printf '[Halvorn]\r\nAlways_on_Top_Option=0\r\n' > "$dir/Halvorn.ini"
head -c 4096 "$program_dir/Halvorn.exe" > "$dir/Halvorn.bmp"
wine reg add "$run_key" /v Halvorn.exe /t REG_SZ /d "$windows_dir\\Halvorn.exe" /f >/dev/null 2>&1

echo "== uninstalling"
uninstall
check "the folder is gone with all in it" absent "$dir"
check "the shortcut is gone" absent "$shortcut"
check "the uninstall entry is gone" key_missing "$uninstall_key"
check "the run value is gone" same "$(reg_value "$run_key" Halvorn.exe)" ""

echo "== installing into a folder with a blank, beside another copy"
other_copy='C:\Portable Apps\Halvorn\Halvorn.exe'
mkdir -p "$(unix_path 'C:\Portable Apps\Halvorn')"
cp "$program_dir/Halvorn.exe" "$(unix_path "$other_copy")"
windows_dir='C:\Reference Apps\Halvorn'
# /D= takes the rest of the command line as it stands, quotation marks included, and Wine
# quotes an argument holding a blank: the folder goes in two arguments.
check "the installer ends without error" wine "$setup" /S '/D=C:\Reference' 'Apps\Halvorn'
dir=$(unix_path "$windows_dir")
check "Halvorn.exe installed as built" cmp "$program_dir/Halvorn.exe" "$dir/Halvorn.exe"
# The uninstall below starts from the entry's command: a wrong one leaves the folder whole.
check "uninstall entry InstallLocation" same "$(reg_value "$uninstall_key" InstallLocation)" "$windows_dir"
echo "a note of the user's" > "$dir/notes.txt"
printf '[Halvorn]\r\n' > "$dir/Halvorn.ini"
# The program writes a path with a blank in quotes.
wine reg add "$run_key" /v Halvorn.exe /t REG_SZ /d "\"$other_copy\"" /f >/dev/null 2>&1
uninstall
check "only the user's file is left in the folder" same "$(ls -A "$dir" 2>&1 | tr '\n' ' ')" "notes.txt "
check "the other copy's run value stays" same "$(reg_value "$run_key" Halvorn.exe)" "\"$other_copy\""

echo "install test took $(($(date +%s) - started)) s"
echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
