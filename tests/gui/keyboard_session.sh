#!/usr/bin/env bash
# An editing session on the real editor under Xvfb by the keyboard alone (no
# pointer event at all): Shift+Tab takes the focus to the glyph grid, Space
# selects the focus tile, Enter picks a glyph up and drops it, Shift+Enter
# copies, F4 opens the character editor on the focus tile, its buttons by
# their Alt keys, a height change and Save as typed into the dialog. The
# saved font and its selection table must equal, byte for byte, what
# `grindfnt run` saves for the same steps given as clicks.
# Usage: keyboard_session.sh PROGRAM RUNNER FONT SHOTS   (exit 77: tools missing)
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 runner=$2 font=$3 shots=$4
need import convert cmp
mkdir -p "$shots"
cp "$font" "$private/font.fnt"
cp "$font" "$private/expected.fnt"
printf '%s\n' "load $private/expected.fnt" "toggle 65" "click 66" "click 67" "click 83" \
  "click 67 shift" "edit 67" "ed inverse" "ed mirror-h" "ed apply" "height 2" \
  "save $private/expected-saved.fnt" | "$runner" run >/dev/null || fail "the runner failed"

"$program" "$private/font.fnt" > "$private/program.log" 2>&1 &
pid=$!
pids+=("$pid")
main=$(wait_for_window '^Grind FNT Tool v' 60) || fail "no main window"
sleep 1
title_has() { [[ "$(xdotool getwindowname "$main")" == *"$1"* ]]; }
keys() {  # KEY... on the main window
  local key
  for key in "$@"; do press_key "$main" "$key"; done
}

# From the Load button, Shift+Tab reaches the grid; Space selects its focus
# tile (65, the glyph the editor opens first), which the title shows.
keys shift+Tab space
wait_for 5 title_has "(=)" || fail "Space did not select the focus tile: $(xdotool getwindowname "$main")"
keys Right Return Right Return       # 66 picked up, dropped on 67
keys Down Return Up shift+Return     # 83 picked up, copied over 67
wait_for 5 title_has "(*)" || fail "the glyphs did not move"
keys F4
editor=$(wait_for_window '^Chr Editor' 30) || fail "F4 opened no editor"
[[ "$(xdotool getwindowname "$editor")" == *"#67 "* ]] || fail "F4 opened $(xdotool getwindowname "$editor")"
for key in alt+i alt+h; do press_key "$editor" "$key"; done
photograph "$editor" "$shots/keyboard_editor.png"
press_key "$editor" alt+a
press_key "$editor" Escape
keys ctrl+F6
photograph "$main" "$shots/keyboard_main.png"
echo "screenshots: $shots/keyboard_editor.png $shots/keyboard_main.png"
keys ctrl+w
dialog=$(wait_for_window '^Save as Grindlemoor FNT' 30) || fail "Ctrl+W opened no dialog"
sleep 0.5
focus "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 15 "$private/saved.fnt"
xdotool key --clearmodifiers Return
wait_for 10 test -s "$private/saved.fnt" || fail "nothing saved"
sleep 0.5
cmp "$private/saved.fnt" "$private/expected-saved.fnt" || fail "the saved font differs from the runner's"
cmp "$private/saved.lok" "$private/expected-saved.lok" || fail "the selection table differs from the runner's"
echo "ok: the keyboard session saved the runner's font byte for byte"
