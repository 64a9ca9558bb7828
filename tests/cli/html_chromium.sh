#!/usr/bin/env bash
# Renders the HTML specimen page in headless Chromium and checks one glyph
# cell of the picture: a font whose only glyph, "A", is an 8 x 8 checkerboard
# must show as 32 black squares of exactly 6 x 6 pixels (scale 6 for a height
# of 8) in a 48 x 48 box of pure black and white, with nothing smoothed. The
# sample font's page is photographed beside it to be looked at.
# Usage: html_chromium.sh GRINDFNT SAMPLE.fnt OUTDIR   (exit 77: tools missing)
set -euo pipefail
grindfnt=$1 sample=$2 out=$3
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ] || ! command -v convert >/dev/null; then
  echo "skipped: chromium or ImageMagick is not installed"
  exit 77
fi
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The sheet: 16 x 16 cells of 8 x 8, the checkerboard in the cell of code 65
# (column 1, row 4), and its width table.
draw=""
for y in $(seq 0 7); do
  for x in $(seq 0 7); do
    [ $(((x + y) % 2)) -eq 0 ] && draw="$draw point $((8 + x)),$((32 + y))"
  done
done
convert -size 128x128 xc:white -fill black -draw "$draw" -type bilevel checker.png
echo "65 8" >checker.widths
printf '%s\n' "new 8" "import-pixmap checker.png" "html checker.html" | "$grindfnt" run >run.log
grep -q "^Exported html page to checker.html" run.log || { cat run.log; exit 1; }
"$grindfnt" export html "$sample" sample.html >/dev/null

shoot() {  # PAGE OUT.png WIDTHxHEIGHT
  "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --force-device-scale-factor=1 --hide-scrollbars --user-data-dir="$(mktemp -d -p "$work")" \
    --screenshot="$2" --window-size="$3" "file://$work/$1" >/dev/null 2>&1
  [ -s "$2" ] || { echo "FAIL: chromium wrote no picture for $1"; exit 1; }
}
shoot checker.html "$out/html_checker.png" 1200,900
shoot sample.html "$out/html_specimen.png" 1280,1400
echo "screenshots: $out/html_checker.png $out/html_specimen.png"

# The black 4-connected parts of the picture that are solid 6 x 6 squares.
squares=$(convert "$out/html_checker.png" -threshold 50% \
  -define connected-components:verbose=true -connected-components 4 null: |
  awk '$2 ~ /^6x6\+/ && $4 == 36 && $5 ~ /(gray|srgb)\(0(,0,0)?\)/ { print $2 }')
count=$(printf '%s\n' "$squares" | grep -c . || true)
if [ "$count" -ne 32 ]; then
  echo "FAIL: $count black 6 x 6 squares, not 32"
  exit 1
fi
# Their box is the 48 x 48 glyph, every pixel of it pure black or pure white.
box=$(printf '%s\n' "$squares" | awk -F'[x+]' '
  NR == 1 { x0 = $3; y0 = $4; x1 = $3; y1 = $4 }
  { if ($3 < x0) x0 = $3; if ($4 < y0) y0 = $4; if ($3 > x1) x1 = $3; if ($4 > y1) y1 = $4 }
  END { printf "%dx%d+%d+%d", x1 + 6 - x0, y1 + 6 - y0, x0, y0 }')
case "$box" in
  48x48+*) ;;
  *) echo "FAIL: the squares fill $box, not 48 x 48"; exit 1 ;;
esac
colours=$(convert "$out/html_checker.png" -crop "$box" +repage -format %c histogram:info:- |
  awk '{ print $3 }' | sort | tr '\n' ' ')
if [ "$colours" != "#000000 #FFFFFF " ]; then
  echo "FAIL: the glyph at $box has the colours $colours"
  exit 1
fi
echo "glyph cell at $box: 32 crisp squares of 6 x 6, black and white only"
