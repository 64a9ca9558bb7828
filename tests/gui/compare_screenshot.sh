#!/usr/bin/env bash
# The compared font under the character editor's cells, on a real X server
# (Xvfb): the runner makes a second font from FONT with "A" mirrored and "B"
# turned upside down; the editor loads FONT, compares it with that font (F11,
# the path typed into the dialog), opens the editor on "A" with a middle
# click, turns "[Show compared]" on and photographs the editor window into a
# PNG (its title written above it). Checks: the box's faint squares are on
# the screen, and "Next char" shows the compared "B" in its turn.
# Usage: compare_screenshot.sh PROGRAM RUNNER FONT OUT.png   (exit 77: tools missing)
set -euo pipefail
program=$1 runner=$2 font=$3 out=$4
for tool in xvfb-run xdotool import convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
mkdir -p "$(dirname "$out")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$font" "$work/font.fnt"
printf '%s\n' "load $work/font.fnt" "edit 65" "ed mirror-h" "ed apply" "edit 66" "ed mirror-v" \
  "ed apply" "save $work/other.fnt" | "$runner" run --settings "$work/runner" > /dev/null
[ -s "$work/other.fnt" ] || { echo "FAIL: the runner made no font to compare with"; exit 1; }

xvfb-run -a -n "$((200 + RANDOM % 600))" -s "-screen 0 900x700x24" bash -s "$program" "$work" \
  > "$work/facts" <<'INNER'
set -euo pipefail
program=$1 work=$2
export QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/config" TMP="$work"
unset TEMP TMPDIR APPDATA QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR
"$program" "$work/font.fnt" 2>/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
main=$(timeout 90 xdotool search --sync --name "^Grind FNT Tool" | head -1) || true
[ -n "$main" ] || { echo "title: (no main window on $DISPLAY)"; exit 0; }
sleep 1
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --clearmodifiers F11
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name "^Select Grindlemoor FNT file to Compare" | head -1) || true
[ -n "$dialog" ] || { echo "title: (no compare dialog)"; exit 0; }
sleep 0.5
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 15 "$work/other.fnt"
xdotool key --clearmodifiers Return
sleep 1
# A middle click on the tile of "A" (code 65: column 1, row 4).
xdotool mousemove --window "$main" 40 134 click 2
editor=$(timeout 30 xdotool search --sync --name "^Chr Editor" | head -1) || true
[ -n "$editor" ] || { echo "title: (no editor window)"; exit 0; }
sleep 1
# "[Show compared]" (120, 6180 twips: 8, 412 pixels, 153 x 25).
xdotool mousemove --window "$editor" 84 424 click 1
sleep 0.5
xdotool mousemove --window "$editor" 500 440
sleep 0.3
import -window "$editor" "$work/raw.png"
echo "title: $(xdotool getwindowname "$editor")"
# "Next char >" (1320, 4740 twips: 88, 316 pixels).
xdotool mousemove --window "$editor" 124 328 click 1
sleep 0.5
xdotool mousemove --window "$editor" 500 440
sleep 0.3
import -window "$editor" "$work/next.png"
echo "next: $(xdotool getwindowname "$editor")"
INNER

cat "$work/facts"
title=$(sed -n 's/^title: //p' "$work/facts")
[ -f "$work/raw.png" ] || { echo "FAIL: no picture of the editor"; exit 1; }
convert "$work/raw.png" -background white -gravity north -splice 0x24 \
  -fill black -pointsize 14 -annotate +0+4 "title: $title" "$out"
echo "screenshot: $out"
count() {  # PICTURE R,G,B: how many pixels have that colour
  convert "$1" -alpha off -format %c histogram:info:- |
    awk -v c="($2)" 'index($0, c) {sub(":", "", $1); print $1}'
}
marks=$(count "$out" "52,134,22") next=$(count "$work/next.png" "52,134,22")
echo "faint squares: ${marks:-0} pixels on \"A\", ${next:-0} on the next glyph"
case "$title" in
  'Chr Editor "A" $41 #65 W:'*'(Different)'*) ;;
  *) echo "FAIL: the editor does not show \"A\" as different after the compare"; exit 1 ;;
esac
if [ "${marks:-0}" -lt 490 ] || [ "${next:-0}" -lt 490 ] || [ "${marks:-0}" = "${next:-0}" ]; then
  echo "FAIL: the compared glyphs are not drawn under the cells"
  exit 1
fi
