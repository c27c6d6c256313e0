#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs the whole suite:
# once as built for use (the Python module's tests too), once with the
# software extended type, once more under AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails the run).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
install_packages "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev libbenchmark-dev \
  python3 xvfb xdotool x11-apps xclip "${PYTHON_BUILD_PACKAGES[@]}" "${PYTHON_TEST_PACKAGES[@]}"
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
# The Python module of that build, with Debian's Python (tests/python: the
# golden corpus answered from Python, sweeps in processes and on Dask,
# Ctrl+C, the first notebook; under a minute).
MSA_BUILD="$PWD/build" /usr/bin/python3 -m pytest -q tests/python

# Once more with the software extended type on x86-64: the same golden
# transcripts and pictures, the same unit tests (under half a minute).
cmake -S . -B build-soft -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMSA_SOFT_EXTENDED=ON -DMSA_WINDOW=OFF >/dev/null
cmake --build build-soft -j"$jobs" --target msa-headless msa-tests _msa excitation_characteristic
(cd build-soft && ctest --output-on-failure -j"$jobs")
MSA_BUILD="$PWD/build-soft" /usr/bin/python3 -m pytest -q tests/python/test_golden.py

# The Debian package, the Windows zip and the page, made and checked as users get them.
bash tools/package.sh
bash tools/check_package.sh
bash tools/windows/check.sh
# The same on 64-bit ARM (no x87 there), built across and run under qemu.
bash tools/arm64/check.sh
# The page and msa-headless for node (built by package.sh above).
bash tools/web/check.sh

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMSA_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize &&
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/../tools/lsan.supp" \
  ctest --output-on-failure -j"$jobs")

# The whole program and the answer parsing under libFuzzer, bounded in time.
bash tools/fuzz.sh
