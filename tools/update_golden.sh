#!/usr/bin/env bash
# Records the golden end-to-end screens and pictures anew from the present
# build, on purpose only: read the diff it shows before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j"$(nproc)" --target msa-headless
rm -rf tests/golden/expected
bash tests/golden/record.sh build/msa-headless tests/golden/expected
git --no-pager diff --stat -- tests/golden/expected
