#!/usr/bin/env bash
# Builds build/Folvane-1.0-setup.exe, the per-user installer around the
# x86_64 program (installer/Folvane.nsi). NSIS comes from Debian's packages
# and is installed here, when missing, rather than by every build.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v makensis >/dev/null; then
  if [ "$(id -u)" != 0 ]; then
    echo "makensis is missing: install the package nsis (as root) or run this as root" >&2
    exit 1
  fi
  echo "Installing: nsis"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends nsis >/dev/null
fi

program=$PWD/build/win64/Folvane.exe
if [ ! -f "$program" ]; then
  echo "$program is missing: run make build first" >&2
  exit 1
fi
icon_args=()
for icon in build/win64/artwork/Folvane.ico build/native/artwork/Folvane.ico; do
  if [ -f "$icon" ]; then
    icon_args=(-DICON="$PWD/$icon")
    break
  fi
done

out=$PWD/build/Folvane-1.0-setup.exe
makensis -V2 -DPROGRAM="$program" -DOUTFILE="$out" "${icon_args[@]}" installer/Folvane.nsi
echo "$out"
