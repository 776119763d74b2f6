#!/usr/bin/env bash
# Resident memory of mousecfg started with --tray, idle, under Xvfb and (when
# weston is installed) under weston's headless compositor; and whether any
# OpenGL driver got mapped. Without a tray host the window shows, so this is
# the upper bound of the program sitting in a tray.
# Usage: bench/bench_memory.sh [APP_DIR] [RUNS]   (default: build-release/bin, 3)
set -euo pipefail
cd "$(dirname "$0")/.."
app=$(realpath "${1:-build-release/bin}")
runs=${2:-3}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

measure() { # label, then the environment for the program
  local label=$1; shift
  local rss=() gl=0
  for ((i = 0; i < runs; i++)); do
    env HOME="$work/home$i" "$@" "$app/mousecfg" --tray >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    rss+=("$(awk '/VmRSS/ {print $2}' /proc/$pid/status)")
    grep -qiE 'libLLVM|_dri\.so|libEGL_mesa|GLX_mesa' /proc/$pid/maps && gl=1
    kill $pid; wait $pid 2>/dev/null || true
  done
  local median=$(printf '%s\n' "${rss[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
  printf '%-36s %6.1f MB   OpenGL driver mapped: %s\n' "$label" "$(awk -v k="$median" 'BEGIN {print k / 1024}')" \
    "$([ $gl = 1 ] && echo yes || echo no)"
}

echo "mousecfg --tray, idle after 3 s, median VmRSS of $runs runs"
display=:$((90 + RANDOM % 100))
Xvfb $display -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
measure "X11 (Xvfb)" DISPLAY=$display QT_QPA_PLATFORM=xcb

if command -v weston >/dev/null; then
  mkdir -m 0700 "$work/run"
  XDG_RUNTIME_DIR="$work/run" weston --backend=headless-backend.so --socket=bench-wl --idle-time=0 \
    >"$work/weston.log" 2>&1 &
  sleep 1
  measure "Wayland (weston, headless)" XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=bench-wl QT_QPA_PLATFORM=wayland
fi
