#!/usr/bin/env bash
# Start-up time of the editor with the sample font, from exec to its first
# painted window, against a bare Qt "hello" window built in the same tree
# (bench/startup/hello_window.cpp).
#
# Both programs run with GFT_EXIT_AFTER_FIRST_PAINT=1: right after their first
# paint they print "first paint" on standard output and end the normal way.
# Each run is timed with date +%s%N twice: when that line arrives (to first
# paint) and when the process is gone (whole run, with the editor's shutdown).
# The runs alternate between the two programs after two warm-up runs of each;
# the script prints the medians and the ratios.
#
# Runs under one Xvfb server when xvfb-run is installed, else with Qt's
# offscreen platform. The editor's working folder (the 256 tile files it makes
# at start-up) and its settings go into a private folder made by mktemp, so
# TMPDIR chooses the disk they are written to (TMPDIR=/dev/shm: memory).
# Usage: bench/startup.sh [RUNS (default 30)] [BUILD_DIR (default build)]
set -euo pipefail
runs=${1:-30}
build=${2:-build}
here=$(cd "$(dirname "$0")" && pwd)
editor="$build/bin/grindfnttool"
hello="$build/bin/bench_hello_window"
font="$here/../data/sample.fnt"
for program in "$editor" "$hello"; do
  [ -x "$program" ] || { echo "missing $program: build with -DGFT_GUI=ON first"; exit 1; }
done

private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT

measure() {  # RUNS EDITOR HELLO FONT PRIVATE
  local runs=$1 editor=$2 hello=$3 font=$4 private=$5
  export GFT_EXIT_AFTER_FIRST_PAINT=1 HOME="$private" TMP="$private"
  unset XDG_CONFIG_HOME APPDATA
  # Appends the microseconds to first paint to NAME.paint and of the whole
  # run to NAME.run.
  time_one() {  # NAME PROGRAM [ARGUMENT]
    local name=$1 start painted ended line=""
    shift
    start=$(date +%s%N)
    exec 3< <("$@" 2>/dev/null)
    local pid=$!
    read -r line <&3 || true
    painted=$(date +%s%N)
    exec 3<&-
    wait "$pid" || { echo "run failed: $*" >&2; return 1; }
    ended=$(date +%s%N)
    [ "$line" = "first paint" ] || { echo "no first paint from $*" >&2; return 1; }
    echo $(((painted - start) / 1000)) >> "$private/$name.paint"
    echo $(((ended - start) / 1000)) >> "$private/$name.run"
  }
  for _ in 1 2; do
    time_one warmup "$hello"
    time_one warmup "$editor" "$font"
  done
  for _ in $(seq "$runs"); do
    time_one hello "$hello"
    time_one editor "$editor" "$font"
  done
  if ls -d "$private"/GFTT* >/dev/null 2>&1; then
    echo "the editor left a working folder behind" >&2
    return 1
  fi
}

if command -v xvfb-run >/dev/null; then
  platform="Xvfb"
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$(declare -f measure); measure \"\$@\"" \
    measure "$runs" "$editor" "$hello" "$font" "$private"
else
  platform="offscreen"
  export QT_QPA_PLATFORM=offscreen
  measure "$runs" "$editor" "$hello" "$font" "$private"
fi

# The median of a file of microseconds, in milliseconds.
median() {
  sort -n "$1" | awk '{v[NR] = $1}
    END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000}'
}
echo "platform: $platform, $runs runs each, working folder in $(dirname "$private")"
for what in paint run; do
  h=$(median "$private/hello.$what")
  e=$(median "$private/editor.$what")
  label=$([ "$what" = paint ] && echo "to first paint" || echo "whole run     ")
  awk -v l="$label" -v e="$e" -v h="$h" \
    'BEGIN {printf "%s  hello %6.1f ms  grindfnttool %6.1f ms  ratio %.2fx\n", l, h, e, e / h}'
done
