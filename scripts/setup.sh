#!/usr/bin/env bash
# Installs what building, running and testing Halvorn need on Debian 12, and prepares the
# project's own Wine prefix. Safe to run again: it only does what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev clang libclang-rt-14-dev
          g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xdotool imagemagick fonts-liberation
          python3 bodr nsis zip)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The project's own Wine prefix, never ~/.wine.
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
prefix_version=2
if [ "$(cat "$WINEPREFIX/.halvorn-ready" 2>/dev/null)" != "$prefix_version" ]; then
  echo "Preparing the Wine prefix in build/wine"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Metric-compatible fonts under the names the program asks for.
  for pair in "Times New Roman=Liberation Serif" "Courier New=Liberation Mono" \
              "Arial=Liberation Sans" "MS Sans Serif=Liberation Sans"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1
  done
  # The Windows-side tests run on a bare X server with no window manager to confirm a
  # maximised window; there Wine places their windows itself.
  wine reg add 'HKCU\Software\Wine\AppDefaults\halvorn_win_tests.exe\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1
  wineserver -w
  echo "$prefix_version" > "$WINEPREFIX/.halvorn-ready"
fi
