#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Corvane need. Does nothing when they
# are all there; otherwise needs root (apt-get).
set -euo pipefail

packages=(
    cmake ninja-build g++ googletest
    mingw-w64 g++-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-utils xdotool imagemagick
    ffmpeg fp-utils p7zip-full
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
