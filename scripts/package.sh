#!/usr/bin/env bash
# Builds Halvorn.exe and packs it two ways into build/package: an installer for the current
# user that needs no administrator rights, and a zip to unpack into a folder of one's own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Halvorn

# The version comes from the program's own version resource.
version=$(sed -n 's/^ *VALUE "ProductVersion", "\(.*\)"\r\{0,1\}$/\1/p' resources/Halvorn.rc)
file_version=$(sed -n 's/^FILEVERSION \([0-9, ]*\)\r\{0,1\}$/\1/p' resources/Halvorn.rc | tr -d ' ' | tr , .)
[ -n "$version" ] && [ -n "$file_version" ] || { echo "no version in resources/Halvorn.rc" >&2; exit 1; }

program_dir="$root/build/windows"
package_dir="$root/build/package"
setup="$package_dir/Halvorn-$version-setup.exe"
archive="$package_dir/Halvorn-$version.zip"
mkdir -p "$package_dir"
rm -f "$setup" "$archive"

makensis -V2 -DVERSION="$version" -DFILE_VERSION="$file_version" -DSOURCE_DIR="$program_dir" \
  -DOUTPUT_FILE="$setup" installer/Halvorn.nsi
# Flat, so that unpacking into any folder gives the program with its documents beside it.
zip -q -j -X "$archive" "$program_dir/Halvorn.exe" "$program_dir/Halvorn.txt" "$program_dir/catalog.txt"

echo "Installer: $setup"
echo "Zip:       $archive"
