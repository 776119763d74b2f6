#!/usr/bin/env bash
# Whole mousectl runs on a private copy of the demo data and the virtual mouse:
# mean wall time of 10 fresh processes after a warm-up, peak memory from
# /usr/bin/time -v, and the syncs one `set` makes (strace, when installed).
# `set` alternates two rates, so that every timed run stores a change.
# Usage: bench/bench_mousectl.sh [MOUSECTL] [DATA_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/bin/mousectl}
data=${2:-$here/../data}
app=$(mktemp -d)
trap 'rm -rf "$app"' EXIT
cp -r "$data/DefaultProfile.bin" "$data/Configs" "$app"/
ctl() { "$bin" --app-dir "$app" --virtual "$@" >/dev/null 2>&1; }
for command in "get rate" "set rate 500"; do
  ctl $command
  total=0
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ "$command" = "set rate 500" ] && ctl set rate 1000
    start=$(date +%s%N)
    ctl $command
    total=$((total + $(date +%s%N) - start))
  done
  echo "mousectl $command: mean $((total / 10000000)) ms"
done
/usr/bin/time -v "$bin" --app-dir "$app" --virtual set rate 1000 2>&1 >/dev/null | grep -E "Elapsed|Maximum resident"
if command -v strace >/dev/null; then
  strace -f -e trace=fsync,fdatasync -o "$app/trace" "$bin" --app-dir "$app" --virtual set rate 500 >/dev/null 2>&1
  echo "mousectl set rate 500: $(grep -cE 'fsync|fdatasync' "$app/trace") syncs"
fi
