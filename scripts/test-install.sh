#!/usr/bin/env bash
# Builds the installer and the zip, then installs and uninstalls under Wine in a throw-away
# prefix and checks what is left (tests/install/install_test.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/package.sh
version=$(sed -n 's/^ *VALUE "ProductVersion", "\(.*\)"\r\{0,1\}$/\1/p' resources/Halvorn.rc)
tests/install/install_test.sh "build/package/Halvorn-$version-setup.exe" build/windows
