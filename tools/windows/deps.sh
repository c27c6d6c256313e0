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
install_packages "${WINDOWS_DEPS_PACKAGES[@]}"

root="$(realpath -m "${1:-build-windows}")/deps"
toolchain="$PWD/tools/windows/toolchain.cmake"
triplet=x86_64-w64-mingw32
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2

# The source package and version behind each Linux development package.
# One line: a package installed for two architectures (arm64 beside amd64
# for tools/arm64/check.sh) is listed twice.
source_of() { dpkg-query -W -f='${source:Package}=${source:Version}\n' "$1" | head -n 1; }
read_versions() {
  zlib_src="$(source_of zlib1g-dev)"
  png_src="$(source_of libpng-dev)"
  sdl_src="$(source_of libsdl2-dev)"
  local key
  key="$(printf '%s_%s_%s' "$sdl_src" "$png_src" "$zlib_src" | tr '=:+~' '-__-')"
  prefix="$root/prefix-$key"
}

# apt-get source needs deb-src entries for the archive the binaries came from.
enable_debian_sources() {
  if apt-get source --print-uris "$zlib_src" >/dev/null 2>&1; then return 0; fi
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && grep -q '^Types: *deb$' "$f" && grep -q 'debian' "$f" || continue
    sed 's/^Types: *deb$/Types: deb-src/' "$f" | as_root tee "/etc/apt/sources.list.d/msa-src-$(basename "$f")" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      as_root tee /etc/apt/sources.list.d/msa-src.list >/dev/null || true
  fi
  as_root apt-get update -qq
}

# fetch SOURCE=VERSION DIR: unpacks the Debian source (with its patches) into
# DIR. When the archive no longer serves that revision's files (a security
# update whose sources are not mirrored), the newest revision of the same
# upstream version that it serves is taken, and the note says so.
fetch() {
  local package="${1%%=*}" version="${1#*=}" work="$root/src" candidate
  local upstream="${version%-*}"
  rm -rf "$2" "$work"
  mkdir -p "$work"
  for candidate in "$version" $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -u -r -V); do
    [ "${candidate%-*}" = "$upstream" ] || continue
    if (cd "$work" && apt-get source -qq "$package=$candidate" >/dev/null 2>&1); then
      echo "$package $candidate (Linux: $version)" >>"$prefix/licenses/SOURCES.txt"
      [ "$candidate" = "$version" ] || echo "note: $package $version is not served; built $candidate" >&2
      mv "$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)" "$2"
      rm -rf "$work"
      return 0
    fi
    rm -rf "${work:?}"/*
  done
  echo "apt-get source $package: no version $upstream served" >&2
  return 1
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
