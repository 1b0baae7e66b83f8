#!/usr/bin/env bash
# Benchmarks: the portable core natively, then under Wine (medians, warm wineserver):
# start-up time and peak memory beside a minimal Win32 program with 216 static controls,
# one resize beside a lean program of the same composition (classic and visual-style
# controls), the graph page's redraw, and a recolour of the table for a view beside a resize.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target halvorn_benchmarks
cmake --preset windows >/dev/null
cmake --build --preset windows --target Halvorn halvorn_driver halvorn_timing reference_statics lean_composition \
  lean_composition_styled
build/native/halvorn_benchmarks --benchmark_min_time=1
source scripts/display.sh
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
wineserver -p 60
to_windows() { echo "Z:$1" | tr / '\\'; }
ls -l build/windows/Halvorn.exe | awk '{printf "Halvorn.exe size: %.2f MiB\n", $5 / 1048576}'
scripts/wine-run build/windows/halvorn_timing.exe startup-bench "$(to_windows "$root/build/windows/Halvorn.exe")" \
  "$(to_windows "$root/build/windows/reference_statics.exe")" 9
# Resizes of Halvorn and of the lean program of the same composition, with the classic
# controls and with the visual-style ones Halvorn uses, alternated.
# Halvorn's table is seen painted on the screen before the others open over it.
scripts/wine-run build/windows/Halvorn.exe &
halvorn=$!
scripts/wine-run build/windows/halvorn_driver.exe wait-painted 60
scripts/wine-run build/windows/lean_composition.exe &
lean=$!
scripts/wine-run build/windows/lean_composition_styled.exe &
styled=$!
scripts/wine-run build/windows/halvorn_driver.exe wait-window "Lean Reference" 60
scripts/wine-run build/windows/halvorn_driver.exe wait-window "Lean Reference Styled" 60
scripts/wine-run build/windows/halvorn_timing.exe resize-pair 60 "Halvorn v2.0b" "Lean Reference" \
  "Lean Reference Styled"
scripts/wine-run build/windows/halvorn_timing.exe graph-redraw 32
scripts/wine-run build/windows/halvorn_timing.exe view-recolour 32
scripts/wine-run build/windows/halvorn_driver.exe close
scripts/wine-run build/windows/halvorn_driver.exe close "Lean Reference"
scripts/wine-run build/windows/halvorn_driver.exe close "Lean Reference Styled"
wait $halvorn $lean $styled
