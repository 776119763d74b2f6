#!/usr/bin/env bash
# Runs a program under weston's headless compositor, with a runtime folder
# (0700) and a socket of its own. Exits 77 (skipped) when weston is missing.
# Usage: run-under-weston.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
if ! command -v weston >/dev/null; then
  echo "SKIP: weston is not installed (tools/install-deps.sh installs it)"
  exit 77
fi
runtime=$(mktemp -d)
chmod 0700 "$runtime"
socket=mousecfg-test-$$
weston=
trap '[ -n "$weston" ] && kill "$weston" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
  --width=1920 --height=1200 --no-config --log="$runtime/weston.log" &
weston=$!
for ((i = 0; i < 100; i++)); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
