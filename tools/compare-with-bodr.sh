#!/usr/bin/env bash
# Compare the element database text with the Blue Obelisk Data Repository.
# Installs the Debian packages "bodr" and "python3" when they are missing, then
# runs compare_with_bodr.py; arguments are passed on (for example --strict).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

missing=()
[ -f /usr/share/bodr/elements.xml ] || missing+=(bodr)
command -v python3 >/dev/null 2>&1 || missing+=(python3)

if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}" >&2
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

exec python3 "$here/compare_with_bodr.py" "$@"
