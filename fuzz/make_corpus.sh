#!/bin/sh
# Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/ with
# gft_fixtures from a normal build (default build/bin/gft_fixtures).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fixtures=${1:-$root/build/bin/gft_fixtures}
rm -rf "$root/fuzz/corpus"
"$fixtures" --corpus "$root/fuzz/corpus"
