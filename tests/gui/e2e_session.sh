#!/usr/bin/env bash
# One editing session with the real editor on a real X server (Xvfb), driven
# only by X input events (xdotool): menu shortcuts, clicks on tiles, menus
# opened by their titles in the menu bar, the character editor painted with
# the mouse, the save dialog answered by typing. Fresh account (HOME and TMP
# in a private folder); the font a copy there, opened by a file:// URL as a
# desktop passes it.
#
# Every step is also run by `grindfnt run` (the same commands, from the start
# up to that step): after each step the window title and the 256 tile bitmaps
# in the editor's working folder must equal the runner's. At the end the saved
# font and its selection table must equal the runner's byte for byte, and
# Settings.ini the text the toggled options and the paths give.
#
# Pictures of the main window and the editor at several steps go to SHOTS.
# Usage: e2e_session.sh PROGRAM RUNNER FONT SHOTS   (exit 77: tools missing)
xvfb_screen=1024x768x24 . "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail

# Tile grid of the main window at its default size: 24-pixel tiles, 4 pixels
# from the client area's top left; the client area is 413 pixels high under
# the menu bar (src/ui/main/main_window.cpp, main_area.cpp, tile_grid.h).
readonly CLIENT_HEIGHT=413 STATUS_ROW=21 GRID_MARGIN=4
# The character editor at its default size (src/ui/editor/char_editor_window.cpp,
# core/commands/editor/grid_geometry.h): the cell grid's frame at the window's
# top left, 531 x 285 pixels; the grid in its middle with cells as large as fit
# (at most 48 pixels a cell); "&Apply" at 168, 316, 73 x 25.
readonly FRAME_W=531 FRAME_H=285 MAX_PITCH=48 APPLY_X=204 APPLY_Y=328
# Items and separators of each menu, in menu bar order: the menus' heights
# tell the height of an item and of a separator.
readonly MENUS=(File Tools Edit Height View Settings Log Help)
readonly MENU_ITEMS=(15 6 19 4 1 7 3 2) MENU_SEPARATORS=(4 3 9 1 0 2 0 1)

# ---------------------------------------------------------------- the steps
# Name, then the runner's commands for it (";" between commands).
STEP_NAMES=() STEP_COMMANDS=()
step() {
  STEP_NAMES+=("$1")
  STEP_COMMANDS+=("$2")
}
step "select all (Ctrl+A)" "select all"
step "unselect all (Ctrl+U)" "select none"
step "select Polish (Ctrl+P); Esc, with unsaved changes, keeps the window" "select-polish;esc"
step "swap A and B (click A, click B)" "click 65;click 66"
step "copy C over D (click C, Shift+click D)" "click 67;click 68 shift"
step "select 0 (right click)" "toggle 48"
step "Edit > Copy upper case over lower case (mouse)" "copy-block 0"
step "Settings > [Width > 8 = yellow] (mouse)" "option width-yellow on"
step "frames off (F7)" "option show-frames off"
step "down gap increase (Ctrl+F6)" "height 2"
step "character editor: middle click, paint, erase, Apply" \
  "edit 65;ed pixel 5 12 left;ed pixel 2 9 right;ed apply;ed caption"
step "save as (Ctrl+W, typed into the dialog)" "save @SAVED@"
# The cells painted (left button) and erased (right button) on glyph 65.
readonly PAINT_COL=5 PAINT_ROW=12 ERASE_COL=2 ERASE_ROW=9

# ---------------------------------------------------------------- the run
main() {
  local program=$1 runner=$2 font=$3 shots=$4
  need xprop import convert timeout cmp
  mkdir -p "$private/my fonts" "$private/expected" "$shots"
  cp "$font" "$private/my fonts/font.fnt"
  rm -f "$shots"/*.png
  expect_steps "$runner"
  session "$program" "$shots"
}

# The runner's result after each step k: title in expected/k/title, tiles in
# expected/k/tiles, its output in expected/k/out; the last step saves
# expected/saved.fnt (and .lok).
expect_steps() {
  local runner=$1 script="$private/expected/script" k
  printf 'load %s\n' "$private/expected/font.fnt" > "$script"
  cp "$private/my fonts/font.fnt" "$private/expected/font.fnt"
  mkdir -p "$private/expected/start"
  { cat "$script"; echo title; } | "$runner" run 2>&1 | grep '^Grind FNT Tool v' > "$private/expected/start/title" \
    || fail "grindfnt run cannot load the font"
  for k in "${!STEP_NAMES[@]}"; do
    local commands=${STEP_COMMANDS[$k]//@SAVED@/$private/expected/saved.fnt}
    tr ';' '\n' <<< "$commands" >> "$script"
    mkdir -p "$private/expected/$k/tiles"
    { cat "$script"; echo title; echo "dump 65"; } > "$private/expected/$k/script"
    "$runner" run --tiles "$private/expected/$k/tiles" "$private/expected/$k/script" \
      > "$private/expected/$k/out" 2>&1 || fail "grindfnt run for step $((k + 1)) failed: $(tail -3 "$private/expected/$k/out")"
    grep '^Grind FNT Tool v' "$private/expected/$k/out" | tail -1 > "$private/expected/$k/title"
  done
  [ -s "$private/expected/saved.fnt" ] || fail "the runner saved no font"
}

# The editing session on the X server.
session() {
  local program=$1 font="$private/my fonts/font.fnt" saved="$private/my fonts/saved.fnt"
  SHOTS=$2
  "$program" "file://${font// /%20}" > "$private/program.log" 2>&1 &
  PID=$!
  pids+=("$PID")
  MAIN=$(wait_for_window '^Grind FNT Tool v' 60) || fail "start: no main window ($(tail -3 "$private/program.log"))"
  window_geometry "$MAIN" || fail "start: no geometry of the main window"
  MAIN_X=$X MAIN_Y=$Y MAIN_W=$W
  MENU_BAR=$((H - CLIENT_HEIGHT))
  TILE=$(((CLIENT_HEIGHT - STATUS_ROW - 2 * GRID_MARGIN) / 16))
  if [ "$MENU_BAR" -lt 5 ] || [ "$MENU_BAR" -gt 80 ]; then
    fail "start: window ${W}x$H is not the default size"
  fi
  echo "main window ${W}x$H at $X,$Y: menu bar $MENU_BAR, tiles $TILE pixels"
  check_title "start" "$(cat "$private/expected/start/title")"
  shot 00-loaded "$MAIN"

  local k
  for k in "${!STEP_NAMES[@]}"; do
    "gui_step_$k"
    check_step "$k"
    echo "ok: step $((k + 1)): ${STEP_NAMES[$k]}"
  done
  shot 12-saved "$MAIN"
  [ -s "$saved" ] || fail "save: no $saved"

  focus "$MAIN"
  xdotool key --clearmodifiers Escape
  local status=0
  timeout 30 tail --pid="$PID" -f /dev/null || fail "close: Esc did not close the saved (clean) window"
  wait "$PID" || status=$?
  [ "$status" -eq 0 ] || fail "close: exit status $status"
  [ -z "$(ls -A "$TMP")" ] || fail "close: working folder left behind: $(ls "$TMP")"
  echo "ok: Esc closed the window; the working folder is gone"

  cmp "$saved" "$private/expected/saved.fnt" || fail "the saved font differs from the runner's"
  cmp "${saved%.fnt}.lok" "$private/expected/saved.lok" || fail "the selection table differs from the runner's"
  echo "ok: saved.fnt and saved.lok equal the runner's byte for byte"
  expected_settings "$font" "$saved" > "$private/expected/Settings.ini"
  # Where the windows stood is the window system's: only its form is checked.
  sed -E 's/^(Main|Editor)=-?[0-9]+,-?[0-9]+,[0-9]+,[0-9]+$/\1=X,Y,W,H/' \
    "$settings_folder/Settings.ini" > "$private/written.ini"
  cmp "$private/written.ini" "$private/expected/Settings.ini" \
    || { diff "$private/expected/Settings.ini" "$private/written.ini" || true
         fail "Settings.ini differs (above: expected, then written)"; }
  echo "ok: Settings.ini as expected"
}

# The settings the session leaves: frames off, width > 8 yellow on, the rest
# as on a fresh account; the loaded font as the source, the saved one as the
# destination; the places of the main window and the editor; the saved and
# the loaded font as the recent ones.
expected_settings() {
  printf '%s\n' "[Version]" "Application=Grind FNT Tool" "Major=0" "Minor=0" "Revision=150" \
    "[Paths]" "Source=$1" "Destination=$2" "SourceForMerge=" "SourceForCompare=" \
    "SourceForAtariImport=" "SourceFor8bitImport=" "ExportBitmap=" "ExportGrid=" \
    "ExportAtari=" "Export8bit=" "ExportHtml=" "ExportSelections=" "SourceForPixmapImport=" \
    "SourceForSelections=" \
    "[Options]" "ShowFrames=0" "WidthMore8ToYellow=1" "ShowInvisibleParts=0" \
    "UseSrcPathForOutput=1" "SkipDuplicates=1" "InverseCursor=0" "BaseFontName=Fixedsys" \
    "BaseFontSize=18" "BaseFontBold=1" "SaveGFTSelectionTable=1" "MarkDifferent=1" \
    "MergeAll=0" "KeepProportions=0" "ShowCompared=0" "[TextPreview]" \
    "Text=Zażółć gęślą jaźń. The quick brown fox jumps over the lazy dog 0123456789" "Scale=2" \
    "[Windows]" "Main=X,Y,W,H" "Editor=X,Y,W,H" "MainMaximized=0" \
    "[RecentFonts]" "Font1=$2" "Font2=$1"
}

gui_step_0() { press ctrl+a; }
gui_step_1() { press ctrl+u; }
gui_step_2() {
  press ctrl+p
  press Escape
  sleep 1
  kill -0 "$PID" 2> /dev/null || fail "Esc closed the window with unsaved changes"
}
gui_step_3() {
  click_tile 65 1
  click_tile 66 1
}
gui_step_4() {
  click_tile 67 1
  click_tile 68 1 shift
}
gui_step_5() { click_tile 48 3; }
gui_step_6() {
  measure_menus
  pick_menu Edit 9 5 07-edit-menu
  shot 07-copied "$MAIN"
}
gui_step_7() { pick_menu Settings 3 1 08-settings-menu; }
gui_step_8() { press F7; }
gui_step_9() {
  press ctrl+F6
  shot 10-taller "$MAIN"
}
gui_step_10() {
  click_tile 65 2
  local editor
  editor=$(wait_for_window '^Chr Editor' 30) || fail "editor: no window after a middle click on tile 65"
  sleep 0.5
  shot 11-editor-opened "$editor"
  editor_cells "$editor" 10
  click_cell "$editor" "$PAINT_COL" "$PAINT_ROW" 1
  click_cell "$editor" "$ERASE_COL" "$ERASE_ROW" 3
  shot 11-editor-painted "$editor"
  xdotool mousemove --window "$editor" "$APPLY_X" "$APPLY_Y" click 1
  sleep 0.5
  local caption
  caption=$(grep '^Chr Editor' "$private/expected/10/out" | tail -1)
  [ "$(xdotool getwindowname "$editor")" = "$caption" ] \
    || fail "editor: caption '$(xdotool getwindowname "$editor")', expected '$caption'"
  # Esc hides the editor; F4 on the main window shows it again, on the
  # applied glyph.
  focus "$editor"
  xdotool key --clearmodifiers Escape
  wait_gone '^Chr Editor' || fail "editor: Esc did not hide it"
  press F4
  editor=$(wait_for_window '^Chr Editor' 30) || fail "editor: F4 did not show it again"
  sleep 0.5
  shot 11-editor-after-F4 "$editor"
  focus "$editor"
  xdotool key --clearmodifiers Escape
  wait_gone '^Chr Editor' || fail "editor: Esc did not hide it the second time"
}
gui_step_11() {
  press ctrl+w
  local dialog target="$private/my fonts/saved.fnt"
  dialog=$(wait_for_window '^Save as Grindlemoor FNT' 30) || fail "save: no dialog after Ctrl+W"
  sleep 0.5
  shot 12-save-dialog "$dialog"
  focus "$dialog"
  # The name field has the focus and the current destination in it.
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 15 "$target"
  sleep 0.3
  xdotool key --clearmodifiers Return
  wait_gone '^Save as Grindlemoor FNT' || fail "save: the dialog stayed open"
  wait_for 10 test -s "$target" || fail "save: nothing written to $target"
}

# After step k: the title and the tiles of the runner's session at that step.
check_step() {
  local k=$1 name="$(($1 + 1)) (${STEP_NAMES[$1]})"
  check_title "step $name" "$(cat "$private/expected/$k/title")"
  local folder differ
  folder=$(find "$TMP" -maxdepth 1 -name 'GFTT*' | head -1)
  [ -n "$folder" ] || fail "step $name: no working folder in $TMP"
  if ! wait_for 5 same_tiles "$folder" "$private/expected/$k/tiles"; then
    differ=$(same_tiles "$folder" "$private/expected/$k/tiles" -v || true)
    fail "step $name: tiles differ from the runner's:$differ"
  fi
}

check_title() {
  local title
  wait_for 5 title_is "$2" || true
  title=$(xdotool getwindowname "$MAIN")
  [ "$title" = "$2" ] || fail "$1: title '$title', expected '$2'"
}
title_is() { [ "$(xdotool getwindowname "$MAIN")" = "$1" ]; }

# Equal tile files in both folders; with -v the names that differ.
same_tiles() {
  local a=$1 b=$2 name differ=""
  for name in $(cd "$b" && ls); do
    cmp -s "$a/$name" "$b/$name" || differ="$differ ${name%.BMP}"
  done
  [ "${3:-}" = -v ] && echo "${differ:- none}"
  [ -z "$differ" ]
}

# ------------------------------------------------------------ X helpers
wait_gone() {
  wait_for 10 no_window "$1"
}
no_window() { ! xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; }

window_geometry() {  # sets X, Y, W, H
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$1") || return 1
  X=$(sed -n 's/^X=//p' <<< "$geometry") Y=$(sed -n 's/^Y=//p' <<< "$geometry")
  W=$(sed -n 's/^WIDTH=//p' <<< "$geometry") H=$(sed -n 's/^HEIGHT=//p' <<< "$geometry")
}

press() {  # KEY on the main window
  press_key "$MAIN" "$1"
  sleep 0.2
}

click_tile() {  # CODE BUTTON [MODIFIER]
  local x=$((MAIN_X + GRID_MARGIN + TILE * ($1 % 16) + TILE / 2))
  local y=$((MAIN_Y + MENU_BAR + GRID_MARGIN + TILE * ($1 / 16) + TILE / 2))
  xdotool mousemove "$x" "$y"
  sleep 0.2
  if [ -n "${3:-}" ]; then
    xdotool keydown "$3" click "$2" keyup "$3"
  else
    xdotool click "$2"
  fi
  sleep 0.4
}

# The open menu's popup window, if any.
popup() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^grindfnttool$' 2> /dev/null); do
    if xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_POPUP_MENU; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# Opens the first menu by a click on its title, then slides along the menu bar:
# each title the pointer reaches opens its menu, whose left edge and height
# are noted. Then the item and separator heights follow from the heights.
measure_menus() {
  local x=$((MAIN_X + 10)) y=$((MAIN_Y + MENU_BAR / 2)) last=-1 n=0 id
  MENU_LEFT=() MENU_HEIGHT=()
  xdotool mousemove "$x" "$y" click 1
  wait_for 5 popup > /dev/null || fail "menus: a click on the first title opened no menu"
  while [ "$n" -lt "${#MENUS[@]}" ] && [ "$x" -lt $((MAIN_X + MAIN_W)) ]; do
    xdotool mousemove "$x" "$y"
    sleep 0.08
    if id=$(popup) && window_geometry "$id" && [ "$X" -gt "$last" ]; then
      MENU_LEFT+=("$X") MENU_HEIGHT+=("$H")
      MENU_TOP=$Y last=$X n=$((n + 1))
    fi
    x=$((x + 4))
  done
  # A click on the open menu's title closes it.
  xdotool click 1
  wait_for 5 eval '! popup > /dev/null' || fail "menus: the last menu did not close"
  window_geometry "$MAIN"
  [ "$n" -eq "${#MENUS[@]}" ] || fail "menus: found $n of ${#MENUS[@]} menus in the menu bar"
  [ "$MENU_TOP" -eq $((MAIN_Y + MENU_BAR)) ] || fail "menus: they open at $MENU_TOP, not under the menu bar"
  # Height: 4 items, 1 separator; Help: 2 items, 1 separator; Log: 3 items.
  ITEM=$(((MENU_HEIGHT[3] - MENU_HEIGHT[7]) / 2))
  MARGINS=$((MENU_HEIGHT[6] - 3 * ITEM))
  SEPARATOR=$((MENU_HEIGHT[7] - 2 * ITEM - MARGINS))
  local i
  for i in "${!MENUS[@]}"; do
    [ "${MENU_HEIGHT[$i]}" -eq $((MARGINS + MENU_ITEMS[i] * ITEM + MENU_SEPARATORS[i] * SEPARATOR)) ] \
      || fail "menus: ${MENUS[$i]} is ${MENU_HEIGHT[$i]} pixels high; items $ITEM, separators $SEPARATOR, margins $MARGINS do not fit"
  done
  echo "menus at ${MENU_LEFT[*]}; items $ITEM pixels, separators $SEPARATOR, margins $MARGINS"
}

# Clicks the title of MENU, then its item INDEX (0-based), which has SEPARATORS
# separators above it; SHOT names a picture of the open menu.
pick_menu() {
  local menu=$1 index=$2 separators=$3 i m=-1 id
  for i in "${!MENUS[@]}"; do [ "${MENUS[$i]}" = "$menu" ] && m=$i; done
  xdotool mousemove $((MENU_LEFT[m] + 10)) $((MAIN_Y + MENU_BAR / 2)) click 1
  wait_for 5 popup > /dev/null || fail "$menu: a click on its title opened no menu"
  id=$(popup)
  window_geometry "$id"
  [ "$X" -eq "${MENU_LEFT[$m]}" ] || fail "$menu: the menu opened at $X, not ${MENU_LEFT[$m]}"
  local item_y=$((Y + MARGINS / 2 + index * ITEM + separators * SEPARATOR + ITEM / 2))
  xdotool mousemove $((X + 40)) "$item_y"
  sleep 0.3
  shot "$4" "$MAIN" $((Y + H))
  xdotool click 1
  wait_for 5 eval '! popup > /dev/null' || fail "$menu: the menu stayed open after a click on item $index"
  window_geometry "$MAIN"
  sleep 0.3
}

# Where the editor's cell grid lies: from the width and height of glyph 65
# in the runner's dump at step K (its rows; its width gives the grid's
# columns, 8 a byte).
editor_cells() {
  local editor=$1 k=$2 dump width rows bytes
  dump=$(sed -n '/^Character 65 (\$41) width /,$p' "$private/expected/$((k - 1))/out")
  width=$(sed -n '1s/.* width \([0-9]*\),.*/\1/p' <<< "$dump")
  rows=$(($(wc -l <<< "$dump") - 1))
  bytes=$(((width + 7) / 8))
  [ "$bytes" -gt 0 ] || bytes=1
  PITCH=$(((FRAME_W - 1) / (bytes * 8)))
  if [ $(((FRAME_H - 5) / rows)) -lt "$PITCH" ]; then PITCH=$(((FRAME_H - 5) / rows)); fi
  if [ "$MAX_PITCH" -lt "$PITCH" ]; then PITCH=$MAX_PITCH; fi
  CELL_X=$(((FRAME_W - bytes * 8 * PITCH - 1) / 2)) CELL_Y=$(((FRAME_H - rows * PITCH - 5) / 2))
  CELL_DUMP=$dump
  [ "$(cell "$PAINT_COL" "$PAINT_ROW")" = . ] || fail "editor: cell $PAINT_COL,$PAINT_ROW of glyph 65 is not clear; pick another"
  [ "$(cell "$ERASE_COL" "$ERASE_ROW")" = "#" ] || fail "editor: cell $ERASE_COL,$ERASE_ROW of glyph 65 is not set; pick another"
  window_geometry "$editor"
  echo "editor ${W}x$H at $X,$Y; glyph 65 width $width, $rows rows: grid at $CELL_X,$CELL_Y, $PITCH pixels a cell"
}
cell() { sed -n "$(($2 + 1))p" <<< "$CELL_DUMP" | cut -c"$1"; }

click_cell() {  # EDITOR COL ROW BUTTON (1-based cell)
  local x=$((CELL_X + ($2 - 1) * PITCH + PITCH / 2)) y=$((CELL_Y + ($3 - 1) * PITCH + PITCH / 2))
  if [ "$x" -lt 0 ] || [ "$x" -ge "$FRAME_W" ] || [ "$y" -lt 0 ] || [ "$y" -ge "$FRAME_H" ]; then
    fail "editor: cell $2,$3 at $x,$y is outside the frame"
  fi
  xdotool mousemove --window "$1" "$x" "$y"
  sleep 0.2
  xdotool click "$4"
  sleep 0.3
}

# A picture of WINDOW as the screen shows it (open menus included; down to
# BOTTOM when given) in SHOTS/NAME.png, its title written above it as there
# is no window manager to draw a title bar.
shot() {
  local name=$1 bottom=${3:-}
  window_geometry "$2" || return 0
  if [ -n "$bottom" ] && [ "$bottom" -gt $((Y + H)) ]; then H=$((bottom - Y)); fi
  photograph "$2" "$SHOTS/$name.png" "${W}x$H+$X+$Y"
  echo "screenshot: $SHOTS/$name.png"
}

main "$@"
