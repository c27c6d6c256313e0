#!/usr/bin/env bash
# Builds zlib and libpng for WebAssembly with Debian's emscripten, from
# Debian's source packages of the very versions the Linux build links, so
# that a picture saved in the browser is the same file, byte for byte, as on
# the desktop. Static libraries and headers go to
# build-web/deps/prefix-<versions>/; a prefix that is complete is kept (a
# second run builds nothing). Prints the prefix on its last line (messages go
# to standard error).
#
# Usage: tools/web/deps.sh [BUILD_DIR]   (default build-web)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
source tools/debian_sources.sh
install_web_packages

root="$(realpath -m "${1:-build-web}")/deps"
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2

zlib_src="$(source_of zlib1g-dev)"
png_src="$(source_of libpng-dev)"
emcc_version="$(emcc --version | sed -n '1s/.* \([0-9][0-9.]*\) .*/\1/p')"
prefix="$root/prefix-$(printf '%s_%s_emcc-%s' "$png_src" "$zlib_src" "$emcc_version" | tr '=:+~' '-__-')"
if [ -f "$prefix/.complete" ]; then
  echo "WebAssembly libraries already built" >&2
  echo "$prefix"
  exit 0
fi

# compile_all OUT.a DIR SOURCES...: each source with emcc, in parallel pairs
# (HAVE_UNISTD_H: what zlib's configure finds on any Unix).
compile_all() {
  local archive="$1" dir="$2" name
  shift 2
  printf '%s\n' "$@" | xargs -P "$jobs" -I{} \
    emcc -O2 -DHAVE_UNISTD_H -I"$dir" -I"$prefix/include" -c "$dir/{}.c" -o "$dir/{}.o"
  local objects=()
  for name in "$@"; do objects+=("$dir/$name.o"); done
  emar rcs "$archive" "${objects[@]}"
}

build_zlib() {
  local src="$root/zlib"
  fetch "$zlib_src" "$src"
  compile_all "$prefix/lib/libz.a" "$src" adler32 compress crc32 deflate gzclose gzlib gzread gzwrite \
    inflate infback inftrees inffast trees uncompr zutil
  cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
  install -D -m 644 "$src/LICENSE" "$prefix/licenses/zlib.txt"
}

# libpng's own default configuration (the one Debian's build generates),
# without the processor-specific filters, which only ever read.
build_libpng() {
  local src="$root/libpng"
  fetch "$png_src" "$src"
  cp "$src/scripts/pnglibconf.h.prebuilt" "$src/pnglibconf.h"
  compile_all "$prefix/lib/libpng16.a" "$src" png pngerror pngget pngmem pngpread pngread pngrio \
    pngrtran pngrutil pngset pngtrans pngwio pngwrite pngwtran pngwutil
  ln -s libpng16.a "$prefix/lib/libpng.a"
  cp "$src/png.h" "$src/pngconf.h" "$src/pnglibconf.h" "$prefix/include/"
  install -D -m 644 "$src/LICENSE" "$prefix/licenses/libpng.txt"
}

export NODE_PATH=/usr/share/nodejs  # emscripten's optimiser needs Debian's acorn
enable_debian_sources
rm -rf "$prefix"
mkdir -p "$prefix/licenses" "$prefix/lib" "$prefix/include"
start=$SECONDS
build_zlib
build_libpng
rm -rf "$root/zlib" "$root/libpng"
touch "$prefix/.complete"
find "$root" -mindepth 1 -maxdepth 1 -name 'prefix-*' ! -path "$prefix" -exec rm -rf {} +
echo "WebAssembly libraries built in $((SECONDS - start)) s" >&2
echo "$prefix"
