#!/usr/bin/env bash
# Writes a PNG of every window the program shows to build/snapshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
trap folvane_stop_all EXIT
out=$PWD/build/snapshots
rm -rf "$out"
mkdir -p "$out" build/wine
folvane_start_xvfb build/wine/snap-xvfb.log
folvane_prefix "$PWD/build/wine/snap-prefix"
folvane_start_wineserver
winpath() { echo "Z:${1//\//\\}"; }
timeout -k 5 120 "$WINE64" build/win64/tools/snapshots/snapshots.exe \
  "$(winpath "$out")" "$(winpath "$PWD/build/win64/artwork/Folvane.ico")"
for extra in scripts/snapshots.d/*.sh; do
  [ -f "$extra" ] && source "$extra"
done
ls -1 "$out"
