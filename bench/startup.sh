#!/usr/bin/env bash
# Start-up figures of Pecunio next to a minimal Qt window, on a private X display:
#   - milliseconds from launch to the first visible window (the start-up card);
#   - resident memory (VmRSS, MiB) once the calculator window is up.
# Each figure is the median of 5 runs. Usage: bench/startup.sh BUILD_DIR
# Needs Debian's xvfb, openbox and xdotool.
set -euo pipefail
build=${1:?usage: startup.sh BUILD_DIR}
runs=5

tmp=$(mktemp -d); trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
for n in $(seq 70 99); do [ -e /tmp/.X11-unix/X$n ] || break; done
Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 0.7
export DISPLAY=:$n HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 -p "$tmp/run"
openbox --sm-disable >/dev/null 2>&1 & wm=$!
sleep 0.5

now_ms() { date +%s%3N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# A program that ends before its window shows would otherwise be waited for forever.
alive() { kill -0 "$1" 2>/dev/null || { echo "startup.sh: the program ended before its window showed" >&2; exit 1; }; }

# program, title of the window whose presence means "main window up"
measure() {
  local exe=$1 title=$2 shown=() rss=()
  for i in $(seq $runs); do
    rm -rf "$tmp/config"
    local t0; t0=$(now_ms)
    "$exe" >/dev/null 2>&1 & local pid=$!
    until xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; do alive $pid; sleep 0.002; done
    shown+=($(( $(now_ms) - t0 )))
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do alive $pid; sleep 0.02; done
    sleep 0.3
    rss+=($(awk '/VmRSS/ {printf "%.1f", $2/1024}' /proc/$pid/status))
    kill $pid; wait $pid 2>/dev/null || true
  done
  printf '%-16s first window shown: median %4s ms (runs: %s)   resident memory with its window up: median %s MiB (runs: %s)\n' \
    "$(basename "$exe")" "$(printf '%s\n' "${shown[@]}" | median)" "${shown[*]}" \
    "$(printf '%s\n' "${rss[@]}" | median)" "${rss[*]}"
}

measure "$build/bench/minimal_window" Pecunio
measure "$build/Pecunio" Pecunio
