#!/usr/bin/env bash
# Configures build-test/: clang, AddressSanitizer and UBSan, Ninja. The one tree
# holds the tests and the libFuzzer targets.
# Usage: tools/sanitizer-tree.sh [DIR [CMAKE_ARGUMENTS...]]
set -euo pipefail
cd "$(dirname "$0")/.."
tree=${1:-build-test}
shift || true
# A tree configured earlier with another compiler cannot build the fuzz targets.
if [ -f "$tree/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang++-14' "$tree/CMakeCache.txt"; then
  echo "$tree was configured with another compiler; remove it first" >&2
  exit 1
fi
CC=clang-14 CXX=clang++-14 cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DMOUSECFG_SANITIZE=ON -DMOUSECFG_FUZZ=ON -DMOUSECFG_BENCH=OFF "$@" >/dev/null
