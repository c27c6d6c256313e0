#!/usr/bin/env bash
# Makes the packages into dist/: the Debian package msa_<version>_amd64.deb
# (built with Debian's hardening flags, with the Python module for Debian's
# Python 3), the Windows zip msa-<version>-windows-x64.zip
# (tools/windows/build.sh) and the page msa-<version>-web.zip
# (tools/web/package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
# pandoc makes the HTML manual every package ships; the Debian package
# carries the Python module too.
install_packages "${BUILD_PACKAGES[@]}" "${PYTHON_BUILD_PACKAGES[@]}" dpkg-dev pandoc
jobs="$(nproc)"
[ "$jobs" -gt 2 ] && jobs=2

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DMSA_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-deb -j"$jobs" >/dev/null
rm -f build-deb/dist/*.deb
(cd build-deb && cpack >/dev/null)
mkdir -p dist
cp build-deb/dist/msa_*_amd64.deb dist/
ls dist/msa_*_amd64.deb

bash tools/windows/build.sh
bash tools/web/package.sh
