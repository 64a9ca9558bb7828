#!/usr/bin/env bash
# The performance report: runs every benchmark program of the build and
# bench/startup.sh, then prints a Markdown report on standard output (the
# progress goes to standard error): the machine, and per operation its median
# time, the baseline measured beside it in the same run, and their ratio.
#
#   bench/perf_report.sh [BUILD_DIR (default build)] > report.md
#
# The JSON results and each program's own output stay in BUILD_DIR/perf-report.
# A program that is not built is reported as "not built". Tile files go under
# TMPDIR (default /tmp): its file system decides much of what writing costs.
# Environment: PERF_REPETITIONS (5), PERF_MIN_TIME (seconds a repetition runs
# at least, 0.3), PERF_STARTUP_RUNS (40).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
build=$(cd "$build" && pwd) || { echo "no build folder ${1:-build}" >&2; exit 1; }
repetitions=${PERF_REPETITIONS:-5}
min_time=${PERF_MIN_TIME:-0.3}
startup_runs=${PERF_STARTUP_RUNS:-40}
results=$build/perf-report
tiles=${TMPDIR:-/tmp}

load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)
started=$(date -u '+%Y-%m-%d %H:%M UTC')
rm -rf "$results"
mkdir -p "$results"

# NAME FILTER [ENVIRONMENT...]: runs build/bin/NAME on the benchmarks FILTER
# selects; NAME.status says "ok", "not built" or how it failed.
run_benchmark() {
  local name=$1 filter=$2
  shift 2
  local program=$build/bin/$name
  if [ ! -x "$program" ]; then
    echo "not built" > "$results/$name.status"
    echo "$name: not built" >&2
    return
  fi
  echo "running $name ..." >&2
  if env "$@" "$program" --benchmark_filter="$filter" \
      --benchmark_repetitions="$repetitions" --benchmark_min_time="$min_time" \
      --benchmark_format=json --benchmark_out="$results/$name.json" \
      --benchmark_out_format=json > "$results/$name.log" 2>&1; then
    echo ok > "$results/$name.status"
  else
    echo "failed (exit $?, see perf-report/$name.log)" > "$results/$name.status"
  fi
}

run_benchmark bench_font_io \
  '^BM_(Load/(cold|warm)_tiles/0|BareLoadIO/0|BareRead/0|SaveFontAs/0/0|BareWrite/0/1)$'
run_benchmark bench_preview '^BM_Preview_(Cold|BareOverwrite)$'
run_benchmark bench_commands '^BM_(Memcpy|HeightGap|BlockCopy)'
run_benchmark bench_window \
  '^(FullRedraw256|SingleGlyphRefresh|BareOverwritePaint256|BareSingleGlyph)$' \
  QT_QPA_PLATFORM=offscreen
run_benchmark bench_editor '^(DrawTable|PixelEdit)$' QT_QPA_PLATFORM=offscreen
run_benchmark bench_truetype '^BM_(ExportTrueType|AtomicWrite)/'
run_benchmark bench_exports '^BM_(Export|AtomicWrite)/4$'
run_benchmark bench_transforms '^BM_(RedrawAlone|Transform/[0-9])$'

if [ -x "$build/bin/grindfnttool" ] && [ -x "$build/bin/bench_hello_window" ]; then
  echo "running startup.sh ($startup_runs runs each) ..." >&2
  if "$here/startup.sh" "$startup_runs" "$build" > "$results/startup.txt" 2>&1; then
    echo ok > "$results/startup.status"
  else
    echo "failed (exit $?, see perf-report/startup.txt)" > "$results/startup.status"
  fi
else
  echo "not built" > "$results/startup.status"
fi
load_at_end=$(cut -d' ' -f1-3 /proc/loadavg)

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)
cores=$(grep -c '^processor' /proc/cpuinfo)
memory=$(awk '/^MemTotal:/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)
filesystem=$(findmnt -n -o FSTYPE --target "$tiles" 2>/dev/null || stat -f -c %T "$tiles")
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[^=]*=//p' "$build/CMakeCache.txt" 2>/dev/null)
compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[^=]*=//p' "$build/CMakeCache.txt" 2>/dev/null)
compiler_version=$("${compiler:-c++}" --version 2>/dev/null | head -n1)
platform=$(sed -n 's/^platform: \([^,]*\),.*/\1/p' "$results/startup.txt" 2>/dev/null)

cat <<EOF
Measured on $started by \`bench/perf_report.sh\`:

- Machine: $cpu, $cores cores, $memory memory, Linux $(uname -r)
- Tile folder: $tiles on $filesystem
- Load average (1, 5, 15 min): $load_at_start at the start, $load_at_end at the end
- Build: ${build_type:-unknown} with $compiler_version
- Each benchmark: $repetitions repetitions of at least $min_time s CPU time each
  (Google Benchmark); start-up: $startup_runs runs of each program under ${platform:-Xvfb}

EOF
python3 "$here/perf_report.py" "$results"
cat <<EOF

Each operation is measured against a baseline that the same program measured
in the same run, so that both met the same machine in the same state. The
times are medians of the repetitions: CPU time (the process's own work) and
wall time (what a user waits, including the disk and any other load). Spread:
the largest distance of one repetition's CPU time from its median, for the
operation or its baseline, whichever is larger. Start-up is timed from outside
the processes, in wall time only. Goal: the largest ratio the operation is
meant to keep, judged on the CPU ratio (start-up, and rows marked "wall" whose baseline mostly waits
for the disk: on the wall ratio).

These are the figures of one run on the machine above, which other work shared
while they were taken. They are no promise of any absolute time on any
machine; the ratios are the figures meant to carry over, and even they depend
on the file system and the machine's load.
EOF
