#!/usr/bin/env bash
# The validation report's figures (docs/validation.md): installs Debian's numpy
# and matplotlib when missing, builds msa-headless, runs report.py. By hand,
# not in CI: a few minutes.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_packages g++ python3-numpy python3-matplotlib
cmake -S . -B build -DMSA_TESTS=OFF -DMSA_WINDOW=OFF >/dev/null
cmake --build build -j2 --target msa-headless >/dev/null
/usr/bin/python3 tools/validation/report.py build/msa-headless "$@"
