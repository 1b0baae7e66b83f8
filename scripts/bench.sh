#!/usr/bin/env bash
# Benchmarks: the portable core natively, then under Wine (medians, warm wineserver):
# start-up time and peak memory beside a minimal Win32 program with 216 static controls,
# one resize beside a lean program of the same composition (classic and visual-style
# controls), each alone on the display, the graph page's redraw, and a recolour of the table
# for a view beside a resize.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target halvorn_benchmarks
cmake --preset windows >/dev/null
cmake --build --preset windows --target Halvorn halvorn_driver halvorn_timing reference_statics lean_composition \
  lean_composition_styled
# "scripts/bench.sh resize" measures the resizes alone.
only=${1:-all}
[ "$only" = resize ] || build/native/halvorn_benchmarks --benchmark_min_time=1
source scripts/display.sh
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
wineserver -p 60
to_windows() { echo "Z:$1" | tr / '\\'; }
# Each measured start begins from the default settings, not from where the last run left
# the window.
fresh() { rm -f build/windows/Halvorn.ini; }
if [ "$only" != resize ]; then
  fresh
  ls -l build/windows/Halvorn.exe | awk '{printf "Halvorn.exe size: %.2f MiB\n", $5 / 1048576}'
  scripts/wine-run build/windows/halvorn_timing.exe startup-bench "$(to_windows "$root/build/windows/Halvorn.exe")" \
    "$(to_windows "$root/build/windows/reference_statics.exe")" 9
fi
# One resize with its repaint: the window alternately set to 1100x780 and 700x500 outer size
# from this other process, 41 times, median. Each program runs alone on the display; the three
# take turns three times and the median of the three medians is compared.
busy_share() {  # the share of CPU time not idle over one second, in per cent
  local a b a1 a2 a3 a4 a5 a6 a7 b1 b2 b3 b4 b5 b6 b7
  read -r _ a1 a2 a3 a4 a5 a6 a7 _ </proc/stat
  sleep 1
  read -r _ b1 b2 b3 b4 b5 b6 b7 _ </proc/stat
  a=$((a1 + a2 + a3 + a4 + a5 + a6 + a7)) b=$((b1 + b2 + b3 + b4 + b5 + b6 + b7))
  echo $(((100 * ((b - a) - (b4 - a4) - (b5 - a5))) / (b - a > 0 ? b - a : 1)))
}
resize_alone() {  # resize_alone EXE TITLE: prints the median of one program's resizes
  local exe=$1 title=$2 pid
  fresh
  scripts/wine-run "$exe" &
  pid=$!
  if [ "$title" = "Halvorn v2.0b" ]; then
    scripts/wine-run build/windows/halvorn_driver.exe wait-painted 60 >/dev/null
  else
    scripts/wine-run build/windows/halvorn_driver.exe wait-window "$title" 60 >/dev/null
  fi
  sleep 0.5
  scripts/wine-run build/windows/halvorn_timing.exe resize-bench 41 "$title" | tr -d '\r' | awk '{ print $(NF - 1) }'
  scripts/wine-run build/windows/halvorn_driver.exe close "$title" >/dev/null
  wait "$pid"
}
busy=$(busy_share)
[ "$busy" -le 10 ] && state=idle || state=busy
echo "machine before the resizes: $busy% busy ($state)"
medians=()
exes=(Halvorn lean_composition_styled lean_composition)
titles=("Halvorn v2.0b" "Lean Reference Styled" "Lean Reference")
for round in 1 2 3; do
  for i in 0 1 2; do
    medians[$i]+="$(resize_alone "build/windows/${exes[$i]}.exe" "${titles[$i]}") "
  done
done
median3() { printf '%s\n' $1 | sort -n | sed -n 2p; }
halvorn_ms=$(median3 "${medians[0]}")
echo "resize with repaint (median of 41, each alone, median of 3 rounds): Halvorn $halvorn_ms ms [${medians[0]% }]"
for i in 1 2; do
  other=$(median3 "${medians[$i]}")
  awk -v h="$halvorn_ms" -v o="$other" -v n="${titles[$i]}" -v r="${medians[$i]% }" \
    'BEGIN { printf "  %s %.2f ms [%s], ratio %.2f\n", n, o, r, h / o }'
done
echo "machine after the resizes: $(busy_share)% busy"
[ "$only" = resize ] && exit 0
# The graph page's redraw and a view's recolour, with the program on its own again.
fresh
scripts/wine-run build/windows/Halvorn.exe &
halvorn=$!
scripts/wine-run build/windows/halvorn_driver.exe wait-painted 60
scripts/wine-run build/windows/halvorn_timing.exe graph-redraw 32
scripts/wine-run build/windows/halvorn_timing.exe view-recolour 32
scripts/wine-run build/windows/halvorn_driver.exe close
wait $halvorn
fresh
