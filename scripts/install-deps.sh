#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12, and
# nothing when everything is already there.
set -euo pipefail

packages=(
  make cmake g++ pkg-config
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
  wine wine64 fonts-wine
  libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3 libxxf86vm1
  xvfb xauth x11-utils imagemagick xdotool procps file
  googletest libgtest-dev zlib1g-dev libjpeg62-turbo-dev libpng-dev libbenchmark-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" != 0 ]; then
  echo "Missing packages need root: run as root or install them: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
