#!/bin/sh
# Runs both benchmark programs, three repetitions each; every program ends
# with its times as ratios to the baselines of the same run (medians).
#
#   bench/report.sh [BUILD_DIR] [more --benchmark_... flags]
#
# The files go to a private folder under TMPDIR (default /tmp): the file
# system there decides much of what writing costs, so say which one it was.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
if [ $# -gt 0 ]; then
    build=$1
    shift
fi
for program in bench_font_io bench_preview; do
    echo "== $program, files under ${TMPDIR:-/tmp} ($(stat -f -c %T "${TMPDIR:-/tmp}"))"
    "$build/bin/$program" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"
done
