#!/usr/bin/env bash
# Starts the editor on a real X server (Xvfb) with a font, photographs its
# window into a PNG (with the window title, which X reports, written above it,
# as there is no window manager to draw a title bar) and checks the picture:
# the title names the loaded font and the grid shows the glyph tiles; the
# mouse rests on the tile of "A", so the hover display shows it zoomed.
# Usage: screenshot.sh PROGRAM FONT OUT.png   (exit 77: tools missing, skipped)
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 font=$2 out=$3
need import convert
mkdir -p "$(dirname "$out")"
"$program" "$font" 2>/dev/null &
pids+=("$!")
window=$(wait_for_window) || fail "no main window"
sleep 1
# Point at the tile of "A" (code 65: column 1, row 4 below the menu bar).
xdotool mousemove --window "$window" 40 134
sleep 0.5
photograph "$window" "$out"
title=$(xdotool getwindowname "$window")
echo "screenshot: $out"
echo "title: $title"

case "$title" in
  "Grind FNT Tool v"*" (FNT loaded, HEIGHT:"*) ;;
  *) fail "the title does not name a loaded font" ;;
esac
# The tiles' dark grey background covers a good part of the grid.
grey=$(pixels "$out" 80,80,80)
[ "$grey" -ge 40000 ] || fail "only $grey pixels of tile background in the picture"
echo "tile background pixels: $grey"
