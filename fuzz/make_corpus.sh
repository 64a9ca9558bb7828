#!/bin/sh
# Rewrites the generated seed corpora in fuzz/corpus/<target>/ with gft_fixtures
# from a normal build (default build/bin/gft_fixtures). The picture sheets and
# clipboard forms in fuzz/corpus are kept as they are: they were made by hand.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fixtures=${1:-$root/build/bin/gft_fixtures}
for target in fnt_reader eight_bit_import selection_table settings command_line run_script; do
    rm -rf "$root/fuzz/corpus/fuzz_$target"
done
"$fixtures" --corpus "$root/fuzz/corpus"
