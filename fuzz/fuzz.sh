#!/bin/sh
# Runs fuzz targets one after another, niced, each for SECONDS (default 1800):
#   fuzz/fuzz.sh [SECONDS] [TARGET...]      (all ten targets without TARGET)
# Needs the build-fuzz folder of the README. New inputs go to
# build-fuzz/corpus/TARGET, crashes to build-fuzz/artifacts-TARGET, and each
# run's last lines (exec count, coverage) to build-fuzz/logs/TARGET.log.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-fuzz
seconds=${1:-1800}
[ $# -gt 0 ] && shift
targets=${*:-fuzz_fnt_reader fuzz_glyph_sheet fuzz_typeface_import fuzz_glyph_clipboard fuzz_truetype_export \
    fuzz_run_script fuzz_settings fuzz_command_line fuzz_eight_bit_import fuzz_selection_table}

max_len() {
    case $1 in
    fuzz_fnt_reader | fuzz_eight_bit_import | fuzz_glyph_clipboard | fuzz_truetype_export) echo 40000 ;;
    fuzz_glyph_sheet | fuzz_typeface_import) echo 400000 ;;
    *) echo 4096 ;;
    esac
}

mkdir -p "$out/logs"
for target in $targets; do
    seeds=$root/fuzz/corpus/$target
    if [ "$target" = fuzz_typeface_import ]; then
        seeds=$out/seeds-typeface
        "$root/fuzz/typeface_seeds.sh" "$seeds"
    fi
    # The TrueType export starts from the reader's seeds: FNT files.
    if [ "$target" = fuzz_truetype_export ]; then
        seeds=$root/fuzz/corpus/fuzz_fnt_reader
    fi
    mkdir -p "$out/corpus/$target" "$out/artifacts-$target"
    # Every input writes tile bitmaps: a folder in memory runs several times faster.
    TMPDIR=/dev/shm nice -n 10 "$out/bin/$target" "$out/corpus/$target" "$seeds" \
        -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=20 \
        -print_final_stats=1 -artifact_prefix="$out/artifacts-$target/" \
        >"$out/logs/$target.log" 2>&1 || echo "$target: stopped with a finding, see $out/logs/$target.log"
    grep -E '^(stat::number_of_executed_units|Done )' "$out/logs/$target.log" | sed "s|^|$target: |"
done
