#!/usr/bin/env bash
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer (the same tree
# holds the fuzz targets) and runs every test, then builds and runs the same suite as a Release
# build (gcc), then runs every fuzz target for 30 s.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-deps.sh
bash tools/sanitizer-tree.sh build-test
cmake --build build-test -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j"$(nproc)"
# Optimisation must not change what the tests see.
cd ..
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)"
cd build-release
ctest --output-on-failure -j"$(nproc)"
# Hostile files and replies: any crash, hang, leak or failed check fails the run.
cd ..
bash tools/run-fuzzers.sh 30
