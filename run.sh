#!/usr/bin/env bash
# Builds and starts the utility on the virtual mouse.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/bin/mousecfg-sim ]; then
  exec build/bin/mousecfg-sim "$@"
fi
exec build/bin/mousectl --virtual=both --trace apply "$@"
