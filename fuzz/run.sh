#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/*_fuzz.cpp) with clang's libFuzzer, ASan and
# UBSan, outside the main CMake build, and runs each for a bounded time.
#   fuzz/run.sh                 build and run every target
#   fuzz/run.sh archive bmp     only these targets
# FUZZ_SECONDS (default 60) is the time per target. The seed corpus in
# fuzz/corpus/<target>/ is only read; new inputs and any crash go to
# build/fuzz/. Exits non-zero when a target finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
out=build/fuzz
cxx=${CXX_FUZZ:-clang++}
flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc)
mkdir -p "$out/obj"

# The window-free skin library, built once for every target.
sources=(src/runtime/PixelBuffer.cpp src/skin/native/*.cpp)
for f in src/skin/*.cpp; do
  case "$f" in *_win.cpp) ;; *) sources+=("$f") ;; esac
done
objects=()
for src in "${sources[@]}"; do
  obj="$out/obj/$(echo "${src%.cpp}" | tr / _).o"
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ -n "$(find src -name '*.h' -newer "$obj" -print -quit)" ]; then
    "$cxx" "${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}" -c "$src" -o "$obj"
  fi
  objects+=("$obj")
done

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" _fuzz.cpp)"); done
fi

status=0
for t in "${targets[@]}"; do
  exe="$out/${t}_fuzz"
  "$cxx" "${flags[@]}" "fuzz/${t}_fuzz.cpp" "${objects[@]}" -lz -ljpeg -o "$exe"
  mkdir -p "$out/corpus/$t" "$out/artifacts/$t" "fuzz/corpus/$t"
  echo "== $t: fuzzing for ${seconds}s"
  if "$exe" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$out/artifacts/$t/" "$out/corpus/$t" "fuzz/corpus/$t" >"$out/$t.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$t.log" | grep -o '[0-9]*$' || echo "?")
    echo "   $runs executions, no finding"
  else
    echo "   FINDING: see $out/$t.log and $out/artifacts/$t/"
    tail -n 40 "$out/$t.log"
    status=1
  fi
done
exit $status
