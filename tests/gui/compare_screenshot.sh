#!/usr/bin/env bash
# The compared font under the character editor's cells, on a real X server
# (Xvfb): the runner makes a second font from FONT with "A" mirrored and "B"
# turned upside down; the editor loads FONT, compares it with that font (F11,
# the path typed into the dialog), opens the editor on "A" with a middle
# click, turns "[Show compared]" on and photographs the editor window into a
# PNG (its title written above it). Checks: the box's faint squares are on
# the screen, and "Next char" shows the compared "B" in its turn.
# Usage: compare_screenshot.sh PROGRAM RUNNER FONT OUT.png   (exit 77: tools missing)
xvfb_screen=900x700x24 . "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 runner=$2 font=$3 out=$4
need import convert
mkdir -p "$(dirname "$out")"
cp "$font" "$private/font.fnt"
printf '%s\n' "load $private/font.fnt" "edit 65" "ed mirror-h" "ed apply" "edit 66" "ed mirror-v" \
  "ed apply" "save $private/other.fnt" | "$runner" run --settings "$private/runner" >/dev/null
[ -s "$private/other.fnt" ] || fail "the runner made no font to compare with"

"$program" "$private/font.fnt" 2>/dev/null &
pids+=("$!")
main=$(wait_for_window) || fail "no main window"
sleep 1
press_key "$main" F11
dialog=$(wait_for_window "^Select Grindlemoor FNT file to Compare" 30) || fail "no compare dialog"
sleep 0.5
focus "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 15 "$private/other.fnt"
xdotool key --clearmodifiers Return
sleep 1
# A middle click on the tile of "A" (code 65: column 1, row 4).
xdotool mousemove --window "$main" 40 134 click 2
editor=$(wait_for_window "^Chr Editor" 30) || fail "no editor window"
sleep 1
# "[Show compared]" (120, 6180 twips: 8, 412 pixels, 153 x 25).
xdotool mousemove --window "$editor" 84 424 click 1
sleep 0.5
xdotool mousemove --window "$editor" 500 440
sleep 0.3
photograph "$editor" "$out"
echo "screenshot: $out"
title=$(xdotool getwindowname "$editor")
echo "title: $title"
# "Next char >" (1320, 4740 twips: 88, 316 pixels).
xdotool mousemove --window "$editor" 124 328 click 1
sleep 0.5
xdotool mousemove --window "$editor" 500 440
sleep 0.3
import -window "$editor" "$private/next.png"
echo "next: $(xdotool getwindowname "$editor")"

marks=$(pixels "$out" 52,134,22) next=$(pixels "$private/next.png" 52,134,22)
echo "faint squares: $marks pixels on \"A\", $next on the next glyph"
case "$title" in
  'Chr Editor "A" $41 #65 W:'*'(Different)'*) ;;
  *) fail "the editor does not show \"A\" as different after the compare" ;;
esac
if [ "$marks" -lt 490 ] || [ "$next" -lt 490 ] || [ "$marks" = "$next" ]; then
  fail "the compared glyphs are not drawn under the cells"
fi
