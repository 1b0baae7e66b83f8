#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, fuzz runs, the Windows-side
# tests under Wine and the end-to-end test of the real program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
source scripts/display.sh

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows >/dev/null
cmake --build --preset windows

# One ctest run over both build trees, so that one summary closes the output.
printf 'subdirs("native" "windows")\n' > build/CTestTestfile.cmake
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all

ctest --test-dir build --output-on-failure
