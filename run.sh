#!/usr/bin/env bash
# Builds what the utility on the virtual mouse needs, and nothing else (no tests,
# no benchmarks), and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOUSECFG_TESTS=OFF -DMOUSECFG_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target mousecfg-sim mousecfg_runtime
exec build/bin/mousecfg-sim "$@"
