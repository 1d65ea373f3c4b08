#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only when missing.
# wine32 is never installed: with it the wine launcher picks the 32-bit loader,
# which this kind of machine cannot run.
set -euo pipefail
packages=(cmake ninja-build g++ libgtest-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 fonts-wine xvfb xdotool imagemagick locales
          xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi
