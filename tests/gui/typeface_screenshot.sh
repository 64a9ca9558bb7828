#!/usr/bin/env bash
# Starts the editor on Xvfb with a font, copies "A" over "B" and "C" (a
# click, then Shift+click), opens the text preview (F10) and photographs
# the main window (the two tiles carry change marks) and the preview.
# Usage: typeface_screenshot.sh PROGRAM FONT OUT_DIR   (exit 77: tools missing)
set -euo pipefail
program=$1 font=$2 out=$3
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
xvfb-run -a -n "$((200 + RANDOM % 600))" -s "-screen 0 1000x700x24" bash -s "$program" "$font" "$out" <<'INNER'
set -euo pipefail
program=$1 font=$2 out=$3
QT_QPA_PLATFORM=xcb "$program" "$font" 2>/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
main=$(timeout 90 xdotool search --sync --name "^Grind FNT Tool" | head -1)
sleep 1
# Tiles are 24 pixels: "A" (65) at column 1, row 4; "B" and "C" beside it.
xdotool mousemove --window "$main" 40 134 click 1
xdotool mousemove --window "$main" 64 134 keydown shift click 1 keyup shift
xdotool mousemove --window "$main" 40 134 click 1
xdotool mousemove --window "$main" 88 134 keydown shift click 1 keyup shift
xdotool mousemove --window "$main" 64 134
sleep 0.5
import -window "$main" "$out/change-marks.png"
xdotool key --window "$main" F10
preview=$(timeout 30 xdotool search --sync --name "^Text preview" | head -1)
sleep 1
import -window "$preview" "$out/text-preview.png"
echo "main: $(xdotool getwindowname "$main")"
kill "$pid"; wait "$pid" 2>/dev/null || true
# Again with "[Keep tile proportions]" on in the settings file.
config=$(mktemp -d)
mkdir -p "$config/Grind FNT Tool"
printf '%s\n' "[Version]" "Application=Grind FNT Tool" "Major=0" "Minor=0" "Revision=150" \
  "[Options]" "KeepProportions=1" > "$config/Grind FNT Tool/Settings.ini"
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb "$program" "$font" 2>/dev/null &
pid=$!
main=$(timeout 90 xdotool search --sync --name "^Grind FNT Tool" | head -1)
sleep 1
import -window "$main" "$out/keep-proportions.png"
rm -rf "$config"
INNER
