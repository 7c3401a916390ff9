#!/usr/bin/env bash
# Benchmarks: the native ones (Google Benchmark, built without sanitizers),
# then the painting timings of the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
trap folvane_stop_all EXIT
jobs=${JOBS:-$(nproc)}

if [ ! -f build/bench/CMakeCache.txt ]; then
  cmake -S . -B build/bench -DFOLVANE_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build/bench -j "$jobs"
for b in build/bench/bench/*; do
  [ -x "$b" ] && [ -f "$b" ] && "$b"
done

echo "== painting under Wine"
mkdir -p build/wine
folvane_start_xvfb build/wine/bench-xvfb.log
folvane_prefix "$PWD/build/wine/bench-prefix"
folvane_start_wineserver
timeout -k 5 300 "$WINE64" build/win64/tools/painttiming/painttiming.exe
source scripts/startbench.sh
