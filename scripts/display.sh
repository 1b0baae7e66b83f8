# Sourced: makes sure a display is there, starting Xvfb when there is none.
if [ -z "${DISPLAY:-}" ]; then
  display_number=""
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display_number=$n; break; fi
  done
  Xvfb ":$display_number" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  halvorn_prefix="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wine"
  # Wine's programs go before the display they draw on.
  trap 'WINEPREFIX="$halvorn_prefix" wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=":$display_number"
  for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
  done
fi
