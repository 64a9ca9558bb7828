#!/usr/bin/env bash
# Starts the editor on a real X server (Xvfb) with a font, opens the character
# editor by a middle click on the tile of "A", points at a cell and
# photographs the editor window into a PNG (its title written above it, as
# there is no window manager to draw a title bar). Checks: the title names
# the glyph, the grid shows its colours, the report line follows the pointer
# (the picture is compared before and after a move), and "[Stay on top]"
# sets and clears the window's _NET_WM_STATE_ABOVE on the X server.
# Usage: editor_screenshot.sh PROGRAM FONT OUT.png   (exit 77: tools missing)
set -euo pipefail
program=$1 font=$2 out=$3
for tool in xvfb-run xdotool xprop import convert compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
mkdir -p "$(dirname "$out")"
raw="$out.raw.png"
facts="$out.facts"

# A server number of its own, away from the ones other runs on this machine
# take first.
xvfb-run -a -n "$((200 + RANDOM % 600))" -s "-screen 0 900x600x24" bash -s "$program" "$font" "$raw" > "$facts" <<'INNER'
set -euo pipefail
program=$1 font=$2 raw=$3
# On the X server, even when the tests around it run offscreen.
QT_QPA_PLATFORM=xcb "$program" "$font" 2>/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
main=$(timeout 90 xdotool search --sync --name "^Grind FNT Tool" | head -1) || true
[ -n "$main" ] || { echo "title: (no main window on $DISPLAY)"; exit 0; }
sleep 1
# A middle click on the tile of "A" (code 65: column 1, row 4).
xdotool mousemove --window "$main" 40 134 click 2
editor=$(timeout 30 xdotool search --sync --name "^Chr Editor" | head -1) || true
[ -n "$editor" ] || { echo "title: (no editor window)"; exit 0; }
sleep 1
xdotool mousemove --window "$editor" 20 20
sleep 0.3
import -window "$editor" "$raw.before.png"
# Point at a cell in the middle of the frame: the report line names it.
xdotool mousemove --window "$editor" 264 140
sleep 0.5
import -window "$editor" "$raw"
echo "title: $(xdotool getwindowname "$editor")"
echo "state before: $(xprop -id "$editor" _NET_WM_STATE)"
# "[Stay on top]" (1320, 5220 twips: 88, 348 pixels, 73 x 25), on and off.
# A change of the flag gives the window a new X window.
for step in on off; do
  xdotool mousemove --window "$editor" 124 360 click 1
  sleep 1
  editor=$(xdotool search --name "^Chr Editor" | head -1)
  echo "state $step: $(xprop -id "$editor" _NET_WM_STATE)"
done
INNER

cat "$facts"
title=$(sed -n 's/^title: //p' "$facts")
states=$(awk '/^state /{print $2, (/_NET_WM_STATE_ABOVE/ ? "above" : "normal")}' "$facts" | tr '\n' ' ')
convert "$raw" -background white -gravity north -splice 0x24 \
  -fill black -pointsize 14 -annotate +0+4 "title: $title" "$out"
changed=$(compare -metric AE "$raw.before.png" "$raw" null: 2>&1 || true)
rm -f "$raw" "$raw.before.png" "$facts"
echo "screenshot: $out"

case "$title" in
  'Chr Editor "A" $41 #65 W:'*) ;;
  *) echo "FAIL: the editor's title does not name glyph 65"; exit 1 ;;
esac
count() {
  convert "$out" -alpha off -format %c histogram:info:- | awk -v c="($1)" 'index($0, c) {sub(":", "", $1); print $1}'
}
inside=$(count "60,38,0") ink=$(count "64,229,43") lines=$(count "156,131,18")
echo "cells: ${inside:-0} clear, ${ink:-0} ink; grid line pixels ${lines:-0}"
if [ "${inside:-0}" -lt 5000 ] || [ "${ink:-0}" -lt 1000 ] || [ "${lines:-0}" -lt 2000 ]; then
  echo "FAIL: the grid is not shown in its colours"
  exit 1
fi
echo "pixels changed by pointing at a cell: ${changed:-0}"
if [ "${changed:-0}" -lt 50 ]; then
  echo "FAIL: pointing at a cell changed only ${changed:-0} pixels (the report line)"
  exit 1
fi
echo "stay on top: $states"
case "$states" in
  "before: normal on: above off: normal ") ;;
  *) echo "FAIL: [Stay on top] does not set and clear the window's above state"; exit 1 ;;
esac
