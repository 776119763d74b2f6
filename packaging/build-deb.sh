#!/usr/bin/env bash
# Builds the Debian package from an optimised build without tests:
# build-deb/mousecfg_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
# Debian's hardening flags, as a package built in the archive gets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DMOUSECFG_TESTS=OFF -DMOUSECFG_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls -1 "$PWD"/build-deb/mousecfg_*.deb
