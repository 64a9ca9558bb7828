#!/usr/bin/env bash
# The windows' sizes and places on the real editor under Xvfb (one 1400 x
# 1000 screen, no window manager):
#  - the main window at its default size (picture main_default.png);
#  - the character editor resized twice: its cell grid grows with it, the
#    whole glyph shown at the largest cells that fit (pictures
#    editor_resized_1.png and editor_enlarged.png);
#  - after a restart the main window and the editor come back where they
#    were and at their sizes; a place off every screen is ignored;
#  - at QT_SCALE_FACTOR=2 the main window and the text preview fit the
#    1400-pixel-wide screen (main_scale2.png, preview_scale2.png).
# Usage: desktop_windows.sh PROGRAM FONT SHOTS   (exit 77: tools missing)
xvfb_screen=1400x1000x24 . "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 font=$2 shots=$3
need import convert
mkdir -p "$shots"
cp "$font" "$private/font.fnt"
ini="$settings_folder/Settings.ini"

start() {  # ENV...: the editor on the font, with the environment given
  env "$@" "$program" "$private/font.fnt" > "$private/program.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  main=$(wait_for_window '^Grind FNT Tool v' 60) || fail "no main window ($(tail -3 "$private/program.log"))"
  sleep 1
}
stop() {  # Esc on the clean main window ends the run and writes the settings
  press_key "$main" Escape
  timeout 30 tail --pid="$pid" -f /dev/null || fail "Esc did not close the window"
}
geometry() {  # WINDOW: "X,Y WxH"
  local g
  g=$(xdotool getwindowgeometry --shell "$1")
  echo "$(sed -n 's/^X=//p' <<<"$g"),$(sed -n 's/^Y=//p' <<<"$g") $(sed -n 's/^WIDTH=//p' <<<"$g")x$(sed -n 's/^HEIGHT=//p' <<<"$g")"
}
open_editor() {
  press_key "$main" F4
  editor=$(wait_for_window '^Chr Editor' 30) || fail "F4 opened no editor"
  sleep 0.5
}
# The size of the cell grid in a picture: the box round its grid lines.
grid_size() {  # PICTURE
  convert "$1" -fill black +opaque "rgb(156,131,18)" -fill white -opaque "rgb(156,131,18)" \
    -format '%@' info: | sed 's/+.*//'
}
# Glyph 65 of the font: 16 columns (2 bytes a row) of 20 rows; below the
# grid 162 pixels of controls. The largest pitch at which all of it fits.
expected_grid() {  # WIDTH HEIGHT of the editor
  local p=$((($1 - 1) / 16)) q=$((($2 - 162 - 5) / 20))
  [ "$q" -lt "$p" ] && p=$q
  [ "$p" -gt 48 ] && p=48
  echo "$((16 * p + 1))x$((20 * p + 5))"
}

start
photograph "$main" "$shots/main_default.png"
echo "main window at its default size: $(geometry "$main") (main_default.png)"
xdotool windowmove "$main" 120 80 windowsize "$main" 1000 600
open_editor
xdotool windowmove "$editor" 300 200
for size in "700 600 editor_resized_1" "1000 800 editor_enlarged"; do
  read -r w h name <<<"$size"
  xdotool windowsize "$editor" "$w" "$h"
  sleep 0.8
  photograph "$editor" "$shots/$name.png"
  grid=$(grid_size "$shots/$name.png")
  [ "$grid" = "$(expected_grid "$w" "$h")" ] ||
    fail "editor ${w}x$h: grid $grid, expected $(expected_grid "$w" "$h")"
  echo "editor ${w}x$h: the grid is $grid ($name.png)"
done
press_key "$editor" Escape
main_place=$(geometry "$main") editor_place=$(geometry "$editor")
stop

start
[ "$(geometry "$main")" = "$main_place" ] || fail "main window at $(geometry "$main"), was $main_place"
open_editor
[ "$(geometry "$editor")" = "$editor_place" ] || fail "editor at $(geometry "$editor"), was $editor_place"
echo "ok: after a restart the main window is at $main_place, the editor at $editor_place"
press_key "$editor" Escape
stop

# A place on no screen is ignored: the default size at the screen's corner.
sed -i 's/^Main=.*/Main=3000,2000,1000,600/' "$ini"
start
[[ "$(geometry "$main")" == "0,0 "* ]] || fail "the window went to $(geometry "$main")"
echo "ok: a place off the screen was ignored: $(geometry "$main")"
stop

# Twice the scale, on a fresh account: both windows fit the screen.
rm "$ini"
start QT_SCALE_FACTOR=2
photograph "$main" "$shots/main_scale2.png"
press_key "$main" F10
preview=$(wait_for_window '^Text preview' 30) || fail "F10 opened no text preview"
sleep 0.5
photograph "$preview" "$shots/preview_scale2.png"
for window in "$main" "$preview"; do
  read -r at size <<<"$(geometry "$window")"
  right=$((${at%,*} + ${size%x*}))
  [ "$right" -le 1400 ] || fail "$(xdotool getwindowname "$window") ends at x $right, past the screen"
  echo "scale 2: $(xdotool getwindowname "$window" | cut -c1-40) at $at, $size"
done
echo "ok: at scale 2 both windows fit the 1400-pixel screen"
