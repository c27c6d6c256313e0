#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
install_packages "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev libbenchmark-dev \
  python3 xvfb xdotool x11-apps imagemagick
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
