#!/usr/bin/env bash
# Builds SDL2, libpng and zlib for 64-bit Windows from Debian's source
# packages of the very versions the Linux build uses, with MinGW-w64, into
# build-windows/deps/prefix-<versions>/ (DLLs in bin/, import libraries in
# lib/, headers and CMake files). A prefix that is complete is kept: a second
# run builds nothing. Prints the prefix on its last line (messages go to
# standard error).
#
# Usage: tools/windows/deps.sh [BUILD_DIR]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
source tools/debian_sources.sh
install_packages "${WINDOWS_DEPS_PACKAGES[@]}"

root="$(realpath -m "${1:-build-windows}")/deps"
toolchain="$PWD/tools/windows/toolchain.cmake"
triplet=x86_64-w64-mingw32
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2

read_versions() {
  zlib_src="$(source_of zlib1g-dev)"
  png_src="$(source_of libpng-dev)"
  sdl_src="$(source_of libsdl2-dev)"
  local key
  key="$(printf '%s_%s_%s' "$sdl_src" "$png_src" "$zlib_src" | tr '=:+~' '-__-')"
  prefix="$root/prefix-$key"
}

# Debian's zlib source has no Windows build files: the fifteen sources are
# compiled straight into zlib1.dll, the name every Windows program expects.
build_zlib() {
  local src="$root/zlib" objects=() name
  fetch "$zlib_src" "$src"
  mkdir -p "$prefix/bin" "$prefix/lib" "$prefix/include"
  for name in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite inflate infback \
    inftrees inffast trees uncompr zutil; do
    "$triplet-gcc-win32" -O2 -D_LARGEFILE64_SOURCE=1 -c "$src/$name.c" -o "$src/$name.o"
    objects+=("$src/$name.o")
  done
  "$triplet-gcc-win32" -shared -static-libgcc -o "$prefix/bin/zlib1.dll" "${objects[@]}" \
    -Wl,--out-implib,"$prefix/lib/libz.dll.a"
  cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
  install -D -m 644 "$src/LICENSE" "$prefix/licenses/zlib.txt"
}

# cmake_build NAME SOURCE ARGS...: configures, builds and installs into the prefix.
cmake_build() {
  local name="$1" src="$2"
  shift 2
  cmake -S "$src" -B "$root/build-$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DMSA_DEPS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" "$@" >/dev/null
  cmake --build "$root/build-$name" -j"$jobs" >/dev/null
  cmake --install "$root/build-$name" >/dev/null
  rm -rf "$root/build-$name"
}

build_libpng() {
  local src="$root/libpng"
  fetch "$png_src" "$src"
  cmake_build libpng "$src" -DPNG_SHARED=ON -DPNG_STATIC=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.dll.a"
  install -D -m 644 "$src/LICENSE" "$prefix/licenses/libpng.txt"
}

build_sdl2() {
  local src="$root/sdl2"
  fetch "$sdl_src" "$src"
  cmake_build sdl2 "$src" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=OFF
  install -D -m 644 "$src/LICENSE.txt" "$prefix/licenses/SDL2.txt"
}

read_versions
if [ -f "$prefix/.complete" ]; then
  echo "Windows libraries already built" >&2
  echo "$prefix"
  exit 0
fi
enable_debian_sources
rm -rf "$prefix"
mkdir -p "$prefix/licenses"
start=$SECONDS
build_zlib
build_libpng
build_sdl2
rm -rf "$root/zlib" "$root/libpng" "$root/sdl2"
"$triplet-strip" --strip-unneeded "$prefix"/bin/*.dll
touch "$prefix/.complete"
# Libraries of earlier versions are of no more use.
find "$root" -mindepth 1 -maxdepth 1 -name 'prefix-*' ! -path "$prefix" -exec rm -rf {} +
echo "Windows libraries built in $((SECONDS - start)) s" >&2
echo "$prefix"
