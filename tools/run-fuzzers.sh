#!/usr/bin/env bash
# Runs each libFuzzer target of the sanitizer tree (build-test/, clang, ASan,
# UBSan; built here when needed) from its seed corpus for a bounded time, one
# target per core at a time. Any crash, hang (a single input running longer
# than the time-out), leak or failed invariant fails the run.
# Usage: tools/run-fuzzers.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
bash tools/install-deps.sh
tree=build-test
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_settings_export fuzz_profile_file fuzz_config_ini
                                     fuzz_device_description fuzz_macro_file fuzz_gun_file fuzz_replies)
bash tools/sanitizer-tree.sh "$tree"
cmake --build "$tree" -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=$tree/findings
fuzz_one() {
  local t=$1
  mkdir -p "$work/$t" "$findings/$t"
  # New inputs go to a scratch corpus; the seeds in tests/ stay as committed.
  if "$tree/fuzz/$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
       -detect_leaks=1 -print_final_stats=1 -dict=fuzz/ini.dict \
       -artifact_prefix="$findings/$t/" "$work/$t" "tests/fuzz-corpus/$t" >"$findings/$t.log" 2>&1; then
    echo ok >"$findings/$t.status"
  else
    echo FAILED >"$findings/$t.status"
  fi
}
export -f fuzz_one
export tree seconds work findings
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'fuzz_one "$1"' _ {}

failed=()
for t in "${targets[@]}"; do
  status=$(cat "$findings/$t.status")
  [ "$status" = ok ] || failed+=("$t")
  # The last status line: coverage, features, executions per second.
  summary=$(grep -E '^#[0-9]+' "$findings/$t.log" | tail -1 || true)
  printf '%-26s %-6s %s\n' "$t" "$status" "$summary"
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Failed: ${failed[*]} (inputs and logs in $findings/)" >&2
  exit 1
fi
