#!/usr/bin/env bash
# Builds Halvorn.exe and runs it under Wine. With no display it starts Xvfb, waits for the
# painted main window, saves build/screenshot.png, closes the program normally and says
# where the screenshot and the settings file are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Halvorn halvorn_driver
exe="$root/build/windows/Halvorn.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run "$exe"
fi

source scripts/display.sh
scripts/wine-run "$exe" &
halvorn=$!
scripts/wine-run build/windows/halvorn_driver.exe wait-painted 60
import -window root build/screenshot.png
scripts/wine-run build/windows/halvorn_driver.exe close
wait $halvorn
echo "Screenshot:    $root/build/screenshot.png"
echo "Settings file: $root/build/windows/Halvorn.ini"
