#!/usr/bin/env bash
# Cross-builds msa-headless and the unit tests for 64-bit ARM Linux (where
# long double is not x87's: the software extended type is used) into
# build-arm64/, and checks them under qemu-aarch64:
#  - every unit test passes (msa-headless run through the emulator too);
#  - msa-headless answers every key script with the transcript, the exit
#    status and the PGM pictures of the x86-64 msa-headless, byte for byte.
# Programs run with Debian's arm64 loader and libraries (libc6, libstdc++6),
# as on an arm64 Debian system.
#
# Usage: tools/arm64/check.sh [--reference MSA_HEADLESS] [KEYS_FILE_OR_FOLDER...]
#   defaults: build/msa-headless, and the key scripts of tests/golden/keys
#   and fuzz/corpus/program.
set -Eeuo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
source tools/headless_compare.sh
# The arm64 libraries come from Debian's arm64 packages, installed beside the
# host's.
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  as_root dpkg --add-architecture arm64
  as_root apt-get update -qq
fi
install_packages cmake make python3 g++-aarch64-linux-gnu qemu-user \
  libpng-dev:arm64 zlib1g-dev:arm64 libgtest-dev:arm64 libstdc++6:arm64

reference=build/msa-headless sources=()
while [ $# -gt 0 ]; do
  case "$1" in
    --reference) reference="$2"; shift 2 ;;
    *) sources+=("$1"); shift ;;
  esac
done
defaults=false
[ ${#sources[@]} -gt 0 ] || { sources=(tests/golden/keys fuzz/corpus/program); defaults=true; }
fail() { echo "arm64 check: FAIL: $*" >&2; exit 1; }
[ -x "$reference" ] || fail "no $reference to compare with: build it first"
collect_key_scripts "arm64 check" $defaults "${sources[@]}" || exit 1
reference="$(realpath "$reference")"

dir="$PWD/build-arm64"
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
start=$SECONDS
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/aarch64-linux-gnu.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMSA_WINDOW=OFF "${launcher[@]}" >/dev/null
cmake --build "$dir" -j"$jobs" --target msa-headless msa-tests >/dev/null
echo "arm64 check: built ($((SECONDS - start)) s)"

start=$SECONDS
(cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 900 >ctest.log 2>&1) ||
  { tail -n 40 "$dir/ctest.log" >&2; fail "unit tests under qemu-aarch64 (all of it: $dir/ctest.log)"; }
echo "arm64 check: $(grep -o '[0-9]*% tests passed.*' "$dir/ctest.log" | head -n 1) under qemu-aarch64 ($((SECONDS - start)) s)"

start=$SECONDS
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# Bounded: a run that loops ends here, and differs.
run_arm64() { timeout 600 qemu-aarch64 "$dir/msa-headless" --pictures "$@"; }
compare_with_reference "arm64 check" "$reference" run_arm64 "${keys[@]}" || exit 1
echo "arm64 check: msa-headless: ${#keys[@]} key scripts as on x86-64 ($((SECONDS - start)) s)"
