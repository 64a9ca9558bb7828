#!/usr/bin/env bash
# Running out of memory fails the one command that needed it: an "Error #7"
# entry ("Out of memory"), the font as it was, the run going on to its end
# with exit status 1; never "std::bad_alloc" and status 2, never an abort.
# grindfnt runs under a limit of its address space (ulimit -v), which the
# shadow memory of the sanitizers cannot live with: a sanitized build skips.
#   out_of_memory.sh GRINDFNT SAMPLE_FNT [sanitized]
set -euo pipefail
grindfnt=$1 sample=$2
[ "${3:-}" = sanitized ] && { echo "skipped: sanitized builds do not run under ulimit -v"; exit 77; }
command -v convert >/dev/null || { echo "skipped: ImageMagick's convert is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$sample" a.fnt
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A valid sheet of 8160 x 4080 RGBA pixels (cells 510 x 255), 133 MB decoded.
nice convert -size 8160x4080 xc:white -define png:color-type=6 big.png
printf '65 8\n' >big.widths
printf 'load a.fnt\nsave plain.fnt\n' | "$grindfnt" run >/dev/null
status=0
out=$( (ulimit -v 120000; printf 'load a.fnt\nimport-pixmap big.png\ntitle\nsave b.fnt\n' |
        "$grindfnt" run 2>&1)) || status=$?
[ "$status" = 1 ] || fail "import-pixmap: exit status $status"
grep -q '^Error #7 on ' <<<"$out" && grep -qx 'Out of memory' <<<"$out" ||
  fail "import-pixmap: no Error #7 entry: $out"
grep -q 'HEIGHT:20 Max WIDTH:17)$' <<<"$out" || fail "the font changed or the run ended: $out"
cmp -s plain.fnt b.fnt || fail "the save after the failed import did not save the font as it was"
# Without the limit the same import succeeds.
printf 'load a.fnt\nimport-pixmap big.png\n' | "$grindfnt" run | grep -q '^Pixelmap imported' ||
  fail "import-pixmap fails even without a limit"

# 256 glyphs 255 x 255 sharing their data: a small file, large exports.
{
  printf '\0\0\0\001\0\0\0\377'; head -c 16 /dev/zero; head -c 256 /dev/zero | tr '\0' '\377'
  for _ in $(seq 256); do printf '\0\001'; done
  printf '\0\0\037\341\0'; head -c 8160 /dev/zero | tr '\0' '\377'
} >huge.fnt
# From the smallest limit the runner starts under up to one where every
# export succeeds: each export ends with status 0, or 1 after a line saying
# why; a file is written whole or not at all, and nothing else stays.
low=4000
until (ulimit -v $low; "$grindfnt" --version >/dev/null 2>&1); do low=$((low + 500)); done
for format in bitmap grid html atari 8bit lok; do
  "$grindfnt" export $format huge.fnt whole.$format >/dev/null
  for limit in $(seq $low 500 $((low + 8000))); do
    rm -f out.*
    status=0
    (ulimit -v $limit; "$grindfnt" export $format huge.fnt out.$format >out.txt 2>&1) || status=$?
    case $status in
      0) cmp -s whole.$format out.$format || fail "$format at $limit KiB: exit 0, wrong file" ;;
      1) [ -s out.txt ] || fail "$format at $limit KiB: exit 1 without a word"
         [ ! -e out.$format ] || fail "$format at $limit KiB: failed, but out.$format was written" ;;
      *) fail "$format at $limit KiB: exit $status: $(head -3 out.txt)" ;;
    esac
    ! grep -q bad_alloc out.txt || fail "$format at $limit KiB: $(cat out.txt)"
  done
done
ls -A | grep -q gft && fail "temporary files left: $(ls -A | grep gft)"
[ "$failures" = 0 ] && echo "every command short of memory failed alone, with its Error #7 line"
exit "$failures"
