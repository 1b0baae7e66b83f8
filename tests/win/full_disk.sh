#!/usr/bin/env bash
# Runs the full-disk test on a small file system of its own, mounted for the run.
# Usage: full_disk.sh TESTS_EXE
set -euo pipefail
tests=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
folder=$(mktemp -d)
$sudo mount -t tmpfs -o size=256k,mode=1777 halvorn-full "$folder"
trap '$sudo umount "$folder"; rmdir "$folder"' EXIT
HALVORN_FULL_DISK="Z:${folder//\//\\}\\" "$root/scripts/wine-run" "$tests" --gtest_filter='Settings.FullDisk*'
