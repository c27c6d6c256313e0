#!/usr/bin/env bash
# Cross-compiles msa for 64-bit Windows with MinGW-w64 and packs
# dist/msa-<version>-windows-x64.zip: msa.exe, msa-headless.exe, the DLLs of
# SDL2, libpng and zlib (built once by deps.sh, then kept), the README, the
# HTML manual and the licence texts.
#
# Usage: tools/windows/build.sh [BUILD_DIR]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_packages pandoc python3  # the HTML manual the zip holds (manual/)
dir="$(realpath -m "${1:-build-windows}")"
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2

prefix="$(bash tools/windows/deps.sh "$dir" | tail -n 1)"
cmake -S . -B "$dir/msa" -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/toolchain.cmake" \
  -DMSA_DEPS_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DMSA_TESTS=OFF >/dev/null
cmake --build "$dir/msa" -j"$jobs" >/dev/null
(cd "$dir/msa" && cpack >/dev/null)
mkdir -p dist
cp "$dir"/msa/dist/msa-*-windows-x64.zip dist/
ls dist/msa-*-windows-x64.zip
