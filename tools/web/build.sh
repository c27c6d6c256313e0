#!/usr/bin/env bash
# Builds msa for the browser with Debian's emscripten:
#   BUILD_DIR/msa/page/        the page: index.html, its scripts, msa.js (the
#                              program, its WebAssembly inside), its icons,
#                              manifest and service worker, the HTML manual
#                              its help links (manual/); runs from any
#                              static host and from file://
#   BUILD_DIR/msa/msa-headless.js  msa-headless for node
# zlib and libpng come from tools/web/deps.sh (built once, then kept).
#
# Usage: tools/web/build.sh [BUILD_DIR]   (default build-web)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_web_packages
dir="$(realpath -m "${1:-build-web}")"
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2
# emscripten's optimiser is a node program that needs Debian's acorn, which a
# node of another origin does not look for.
export NODE_PATH=/usr/share/nodejs
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

prefix="$(bash tools/web/deps.sh "$dir" | tail -n 1)"
emcmake cmake -S . -B "$dir/msa" -DCMAKE_BUILD_TYPE=Release -DMSA_WINDOW=OFF -DMSA_TESTS=OFF \
  "${launcher[@]}" \
  -DPNG_LIBRARY="$prefix/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$prefix/include" \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" >/dev/null
cmake --build "$dir/msa" -j"$jobs" --target msa-headless msa-web >/dev/null
mkdir -p "$dir/msa/page/licenses"
cp "$prefix"/licenses/* "$dir/msa/page/licenses/"
cp LICENSE "$dir/msa/page/licenses/msa.txt"
python3 tools/docs/html_manual.py "$dir/msa/page/manual" >/dev/null
# Last, once every file is there: the list the service worker keeps.
python3 src/frontends/web/make_offline_list.py "$dir/msa/page"
echo "$dir/msa/page"
