#!/usr/bin/env bash
# Builds the Debian package from an optimised build without tests:
# build-deb/mousecfg_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DMOUSECFG_TESTS=OFF -DMOUSECFG_BENCH=OFF >/dev/null
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls -1 "$PWD"/build-deb/mousecfg_*.deb
