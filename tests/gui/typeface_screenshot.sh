#!/usr/bin/env bash
# Starts the editor on Xvfb with a font, copies "A" over "B" and "C" (a
# click, then Shift+click), opens the text preview (F10) and photographs
# the main window (the two tiles carry change marks) and the preview; then
# photographs the main window of a second start with "[Keep tile
# proportions]" on in the settings file.
# Usage: typeface_screenshot.sh PROGRAM FONT OUT_DIR   (exit 77: tools missing)
xvfb_screen=1000x700x24 . "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 font=$2 out=$3
need import
mkdir -p "$out"
"$program" "$font" 2>/dev/null &
pid=$!
pids+=("$pid")
main=$(wait_for_window) || fail "no main window"
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
preview=$(wait_for_window "^Text preview" 30) || fail "no text preview"
sleep 1
import -window "$preview" "$out/text-preview.png"
echo "main: $(xdotool getwindowname "$main")"
kill "$pid"
wait "$pid" 2>/dev/null || true

mkdir -p "$settings_folder"
printf '%s\n' "[Version]" "Application=Grind FNT Tool" "Major=0" "Minor=0" "Revision=150" \
  "[Options]" "KeepProportions=1" >"$settings_folder/Settings.ini"
"$program" "$font" 2>/dev/null &
pids+=("$!")
main=$(wait_for_window) || fail "no main window with the settings file"
sleep 1
import -window "$main" "$out/keep-proportions.png"
echo "screenshots: $out"
