#!/usr/bin/env bash
# Installs what the program needs, builds it and starts msa.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
install_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMSA_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target msa
exec ./build/msa
