#!/usr/bin/env bash
# The TrueType font of the HTML page in a real browser. Headless Chromium
# must accept the embedded font of the sample font's page and of a page of
# glyphs beyond one outline (composites, long offsets): every FontFace
# "loaded", none refused by the browser's font sanitiser. Then text is typed
# into the sample page's box and its line at three times the size is
# photographed alone: it must be, pixel for pixel, what `grindfnt render
# --scale 3` draws of the same text (black on white, nothing smoothed). The
# whole page with the typed text is photographed beside it to be looked at.
# Usage: ttf_chromium.sh GRINDFNT GFT_FIXTURES SAMPLE.fnt OUTDIR   (exit 77: tools missing)
set -euo pipefail
grindfnt=$1 fixtures=$2 sample=$3 out=$4
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ] || ! command -v convert >/dev/null; then
  echo "skipped: chromium or ImageMagick is not installed"
  exit 77
fi
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$fixtures" "$work"
cp "$sample" sample.fnt
"$grindfnt" export html sample.fnt sample.html >/dev/null
"$grindfnt" export html complex.fnt complex.html >/dev/null

chrome() {  # ARGS...: headless, scripts given time to run
  "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --force-device-scale-factor=1 --hide-scrollbars --user-data-dir="$(mktemp -d -p "$work")" \
    --virtual-time-budget=10000 "$@" 2>/dev/null
}

# A copy of the page with a script added before its end.
with_script() {  # PAGE OUT SCRIPT
  printf '<script>%s</script></body>' "$3" >script.html
  awk 'BEGIN { while ((getline line < "script.html") > 0) added = added line "\n" }
       { at = index($0, "</body>"); print at ? substr($0, 1, at - 1) added substr($0, at + 7) : $0 }' \
    "$1" >"$2"
}

status='Promise.allSettled([...document.fonts].map(f => f.load())).then(() => {
  document.title = "fonts: " + [...document.fonts].map(f => f.status).join(" "); });'
for page in sample complex; do
  with_script $page.html $page-status.html "$status"
  title=$(chrome --dump-dom "file://$work/$page-status.html" | grep -o '<title>[^<]*</title>')
  echo "$page page: $title"
  [ "$title" = "<title>fonts: loaded</title>" ] || { echo "FAIL: the font of the $page page did not load"; exit 1; }
done

text='Zażółć gęślą jaźń ĄŻŹ 0123456789 Quick!'
type="const box = document.getElementById('type-in'); box.value = '$text';
  box.dispatchEvent(new Event('input'));"
with_script sample.html typed.html "$type"
chrome --screenshot="$out/html_typed.png" --window-size=1280,900 "file://$work/typed.html" >/dev/null
# Only the line at three times the size left on the page.
alone="$type document.head.insertAdjacentHTML('beforeend',
  '<style>body > :not(.try), .try > :not(.typed), .typed:not(:last-of-type) { display: none }</style>');"
with_script sample.html alone.html "$alone"
chrome --screenshot="$out/html_typed_3x.png" --window-size=1600,300 "file://$work/alone.html" >/dev/null
[ -s "$out/html_typed_3x.png" ] || { echo "FAIL: chromium wrote no picture"; exit 1; }
echo "screenshots: $out/html_typed.png $out/html_typed_3x.png"

"$grindfnt" render sample.fnt "$text" --scale 3 -o expected.png
convert "$out/html_typed_3x.png" -trim +repage -colorspace gray typed.png
convert expected.png -trim +repage -colorspace gray wanted.png
size=$(identify -format %wx%h typed.png) wanted=$(identify -format %wx%h wanted.png)
[ "$size" = "$wanted" ] || { echo "FAIL: the typed line is $size, grindfnt render draws $wanted"; exit 1; }
differ=$(compare -metric AE typed.png wanted.png null: 2>&1 || true)
[ "$differ" = 0 ] || { echo "FAIL: $differ pixels of the typed line differ from grindfnt render"; exit 1; }
colours=$(convert typed.png -format %c histogram:info:- | awk '{ print $3 }' | sort | tr '\n' ' ')
echo "typed at 3x: $size, pixel for pixel as grindfnt render draws it; colours $colours"
