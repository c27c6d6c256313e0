#!/usr/bin/env bash
# Makes dist/msa-<version>-web.zip: a folder msa-<version>-web/ holding the
# page (index.html, its scripts, msa.js with its WebAssembly inside, its
# icons, manifest and service worker, the manual) and the licence texts; it
# runs from any static host and from a double click on index.html.
#
# Usage: tools/web/package.sh [BUILD_DIR]   (default build-web)
set -euo pipefail
cd "$(dirname "$0")/../.."
dir="$(realpath -m "${1:-build-web}")"
page="$(bash tools/web/build.sh "$dir" | tail -n 1)"
version="$(sed -n 's/^project(msa VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="msa-$version-web"
stage="$dir/stage"
rm -rf "$stage"
mkdir -p "$stage/$name" dist
cp -r "$page"/. "$stage/$name/"
rm -f "dist/$name.zip"
(cd "$stage" && zip -q -r -X "../$name.zip" "$name")
mv "$dir/$name.zip" dist/
rm -rf "$stage"
ls "dist/$name.zip"
