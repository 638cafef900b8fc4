#!/usr/bin/env bash
# Builds both builds: the native one (portable core, its tests, Linux-side helpers) in build/native and
# the Windows one (Corvane.exe, stand-ins, Windows tests) in build/windows.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_WERROR=$werror >/dev/null
cmake --build build/native

cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_WERROR=$werror \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCORVANE_NATIVE_BUILD_DIR="$PWD/build/native" >/dev/null
cmake --build build/windows
