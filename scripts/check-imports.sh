#!/usr/bin/env bash
# Reads the import tables of the Windows executables with each target's own
# objdump and fails, naming the DLL, when one imports a DLL outside
# scripts/system-dlls.txt. Wine ships DLLs a clean Windows lacks (zlib1.dll),
# so only the executable itself can show that it would not start there.
# Usage: check-imports.sh [exe...]  (default: both builds of Folvane.exe and
# the tools built for Windows)
set -euo pipefail
cd "$(dirname "$0")/.."
allowed=$(grep -v '^#' scripts/system-dlls.txt | tr 'A-Z' 'a-z')

objdump_for() {  # exe -> the objdump of the target it was built for
  case $(file -b "$1") in
    *x86-64*) echo x86_64-w64-mingw32-objdump ;;
    *80386*) echo i686-w64-mingw32-objdump ;;
    *) echo "not a Windows executable: $1" >&2; return 1 ;;
  esac
}

check() {  # exe
  local exe=$1 tool dll bad=0
  tool=$(objdump_for "$exe")
  while read -r dll; do
    if ! grep -qxF "$(tr 'A-Z' 'a-z' <<<"$dll")" <<<"$allowed"; then
      echo "FAIL $exe imports $dll, which is not a system DLL" >&2
      bad=1
    fi
  done < <("$tool" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  [ $bad = 0 ] && echo "ok   $exe"
  return $bad
}

exes=("$@")
if [ ${#exes[@]} -eq 0 ]; then
  exes=(build/win64/Folvane.exe build/win32/Folvane.exe)
  for tree in build/win64 build/win32; do
    while IFS= read -r exe; do exes+=("$exe"); done < <(find "$tree/tools" -name '*.exe' 2>/dev/null | sort)
  done
fi
status=0
for exe in "${exes[@]}"; do
  if [ ! -f "$exe" ]; then echo "FAIL $exe is missing" >&2; status=1; continue; fi
  check "$exe" || status=1
done
exit $status
