#!/usr/bin/env bash
# Builds the native tree (window-free code, tools, sanitizers), runs the
# generators whose output the Windows programs embed, then both Windows trees.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
export MAKEFLAGS=--no-print-directory
gen=$PWD/build/generated

# A compiler cache, when the machine has one, shares objects between checkouts.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$PWD")} CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

configure() {  # dir [cmake args...]
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "${launcher[@]}" "$@" >/dev/null
  fi
}

configure build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/native -j "$jobs"

mkdir -p "$gen"
if [ -x build/native/tools/vszpack/vszpack ] && [ -d skins/Ambrel ]; then
  # Replaced only when it changed, so the resources are not rebuilt for nothing.
  build/native/tools/vszpack/vszpack pack skins/Ambrel "$gen/Ambrel.vsz.new" >/dev/null
  build/native/tools/vszpack/vszpack check "$gen/Ambrel.vsz.new" >/dev/null
  if cmp -s "$gen/Ambrel.vsz.new" "$gen/Ambrel.vsz"; then
    rm "$gen/Ambrel.vsz.new"
  else
    mv "$gen/Ambrel.vsz.new" "$gen/Ambrel.vsz"
  fi
fi

configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=Release -DFOLVANE_GENERATED_DIR="$gen"
cmake --build build/win64 -j "$jobs"
configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=Release -DFOLVANE_GENERATED_DIR="$gen"
cmake --build build/win32 -j "$jobs"
