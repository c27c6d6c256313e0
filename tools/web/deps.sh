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
install_web_packages

root="$(realpath -m "${1:-build-web}")/deps"
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2

# (one line: a package installed for two architectures is listed twice)
source_of() { dpkg-query -W -f='${source:Package}=${source:Version}\n' "$1" | head -n 1; }
zlib_src="$(source_of zlib1g-dev)"
png_src="$(source_of libpng-dev)"
emcc_version="$(emcc --version | sed -n '1s/.* \([0-9][0-9.]*\) .*/\1/p')"
prefix="$root/prefix-$(printf '%s_%s_emcc-%s' "$png_src" "$zlib_src" "$emcc_version" | tr '=:+~' '-__-')"
if [ -f "$prefix/.complete" ]; then
  echo "WebAssembly libraries already built" >&2
  echo "$prefix"
  exit 0
fi

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
# DIR; when the archive no longer serves that revision, the newest revision of
# the same upstream version it serves (tools/windows/deps.sh does the same).
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
