#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) in build-fuzz/
# and runs each from its seed corpus for a bounded time. Any crash, hang
# (a single input running longer than the time-out), leak or failed invariant
# fails the run. Usage: tools/run-fuzzers.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
bash tools/install-deps.sh
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DMOUSECFG_FUZZ=ON -DMOUSECFG_TESTS=OFF \
  -DMOUSECFG_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_settings_export fuzz_profile_file fuzz_config_ini
                                     fuzz_device_description fuzz_macro_file fuzz_gun_file fuzz_replies)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=()
for t in "${targets[@]}"; do
  mkdir -p "$work/$t" build-fuzz/findings/$t
  log=build-fuzz/findings/$t.log
  # New inputs go to a scratch corpus; the seeds in tests/ stay as committed.
  if build-fuzz/fuzz/$t -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
       -detect_leaks=1 -print_final_stats=1 -dict=fuzz/ini.dict \
       -artifact_prefix=build-fuzz/findings/$t/ "$work/$t" tests/fuzz-corpus/$t >"$log" 2>&1; then
    status=ok
  else
    status=FAILED
    failed+=("$t")
  fi
  # The last status line: coverage, features, executions per second.
  summary=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  printf '%-26s %-6s %s\n' "$t" "$status" "$summary"
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Failed: ${failed[*]} (inputs and logs in build-fuzz/findings/)" >&2
  exit 1
fi
