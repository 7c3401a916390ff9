#!/usr/bin/env bash
# Runs every test: the native programs directly (sanitizers), the 64-bit
# Windows programs through Wine on a virtual display of our own.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
trap folvane_stop_all EXIT

echo "== import tables of the Windows executables"
scripts/check-imports.sh

echo "== native tests"
ctest --test-dir build/native --output-on-failure --timeout 300 -j "$(nproc)"

echo "== Windows tests under Wine"
mkdir -p build/wine
folvane_start_xvfb build/wine/xvfb.log
folvane_prefix "$PWD/build/wine/test-prefix" fresh
folvane_start_wineserver
ctest --test-dir build/win64 --output-on-failure --timeout 300
