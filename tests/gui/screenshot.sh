#!/usr/bin/env bash
# Starts the editor on a real X server (Xvfb) with a font, photographs its
# window into a PNG (with the window title, which X reports, written above it,
# as there is no window manager to draw a title bar) and checks the picture:
# the title names the loaded font and the grid shows the glyph tiles; the
# mouse rests on the tile of "A", so the hover display shows it zoomed.
# Usage: screenshot.sh PROGRAM FONT OUT.png   (exit 77: tools missing, skipped)
set -euo pipefail
# A real X server: the windows must not go to the offscreen platform of the other tests.
export QT_QPA_PLATFORM=xcb
program=$1 font=$2 out=$3
for tool in xvfb-run xdotool import convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
mkdir -p "$(dirname "$out")"
raw="$out.raw.png"
# The run's working folder and settings stay in a private folder.
private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT
export HOME="$private" TMP="$private"
unset XDG_CONFIG_HOME APPDATA

xvfb-run -a -s "-screen 0 900x600x24" bash -s "$program" "$font" "$raw" > "$out.title" <<'INNER'
set -euo pipefail
program=$1 font=$2 raw=$3
# On the X server, even when the tests around it run offscreen.
QT_QPA_PLATFORM=xcb "$program" "$font" 2>/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
window=$(timeout 90 xdotool search --sync --name "^Grind FNT Tool" | head -1)
sleep 1
# Point at the tile of "A" (code 65: column 1, row 4 below the menu bar).
xdotool mousemove --window "$window" 40 134
sleep 0.5
import -window "$window" "$raw"
xdotool getwindowname "$window"
INNER

title=$(cat "$out.title")
rm -f "$out.title"
convert "$raw" -background white -gravity north -splice 0x24 \
  -fill black -pointsize 14 -annotate +0+4 "title: $title" "$out"
rm -f "$raw"
echo "screenshot: $out"
echo "title: $title"

case "$title" in
  "Grind FNT Tool v"*" (FNT loaded, HEIGHT:"*) ;;
  *) echo "FAIL: the title does not name a loaded font"; exit 1 ;;
esac
# The tiles' dark grey background covers a good part of the grid.
grey=$(convert "$out" -format %c histogram:info:- | awk '/\(80,80,80\)/ {sub(":", "", $1); print $1}')
if [ "${grey:-0}" -lt 40000 ]; then
  echo "FAIL: only ${grey:-0} pixels of tile background in the picture"
  exit 1
fi
echo "tile background pixels: $grey"
