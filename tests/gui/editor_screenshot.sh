#!/usr/bin/env bash
# Starts the editor on a real X server (Xvfb) with a font, opens the character
# editor by a middle click on the tile of "A", points at a cell and
# photographs the editor window into a PNG (its title written above it, as
# there is no window manager to draw a title bar). Checks: the title names
# the glyph, the grid shows its colours, the report line follows the pointer
# (the picture is compared before and after a move), and "[Stay on top]"
# sets and clears the window's _NET_WM_STATE_ABOVE on the X server.
# Usage: editor_screenshot.sh PROGRAM FONT OUT.png   (exit 77: tools missing)
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 font=$2 out=$3
need xprop import convert compare
mkdir -p "$(dirname "$out")"
"$program" "$font" 2>/dev/null &
pids+=("$!")
main=$(wait_for_window) || fail "no main window"
sleep 1
# A middle click on the tile of "A" (code 65: column 1, row 4).
xdotool mousemove --window "$main" 40 134 click 2
editor=$(wait_for_window "^Chr Editor" 30) || fail "no editor window"
sleep 1
xdotool mousemove --window "$editor" 20 20
sleep 0.3
photograph "$editor" "$private/before.png"
# Point at a cell in the middle of the frame: the report line names it.
xdotool mousemove --window "$editor" 264 140
sleep 0.5
photograph "$editor" "$out"
echo "screenshot: $out"
title=$(xdotool getwindowname "$editor")
echo "title: $title"
above() {  # WINDOW
  if xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; then echo above; else echo normal; fi
}
states="before: $(above "$editor")"
# "[Stay on top]" (1320, 5220 twips: 88, 348 pixels, 73 x 25), on and off.
# A change of the flag gives the window a new X window.
for step in on off; do
  xdotool mousemove --window "$editor" 124 360 click 1
  sleep 1
  editor=$(xdotool search --name "^Chr Editor" | head -1)
  states+=" $step: $(above "$editor")"
done

case "$title" in
  'Chr Editor "A" $41 #65 W:'*) ;;
  *) fail "the editor's title does not name glyph 65" ;;
esac
inside=$(pixels "$out" 60,38,0) ink=$(pixels "$out" 64,229,43) lines=$(pixels "$out" 156,131,18)
echo "cells: $inside clear, $ink ink; grid line pixels $lines"
if [ "$inside" -lt 5000 ] || [ "$ink" -lt 1000 ] || [ "$lines" -lt 2000 ]; then
  fail "the grid is not shown in its colours"
fi
changed=$(compare -metric AE "$private/before.png" "$out" null: 2>&1 || true)
echo "pixels changed by pointing at a cell: $changed"
[ "$changed" -ge 50 ] || fail "pointing at a cell changed only $changed pixels (the report line)"
echo "stay on top: $states"
[ "$states" = "before: normal on: above off: normal" ] ||
  fail "[Stay on top] does not set and clear the window's above state"
