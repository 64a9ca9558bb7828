#!/usr/bin/env bash
# Glyphs through the real X clipboard between two editor processes: "Copy
# characters" (Ctrl+Shift+C) over "A" in one window offers the program's own
# form, the dump text and a PNG; "Paste characters" (Ctrl+Shift+V) over "B" in
# a second window pastes it, and the PNG alone (offered by xclip, as any
# picture from another program) pastes into "C". Both pasted glyphs must
# equal the copied one, as `grindfnt dump` shows the saved font.
#   clipboard_two_windows.sh GRINDFNTTOOL GRINDFNT SAMPLE_FNT
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 runner=$2 sample=$3
need xclip
cp "$sample" "$private/a.fnt"
printf '%s\n' "new 20" "save $private/b.fnt" | "$runner" run >/dev/null
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Starts the editor on FONT and sets VAR to its main window's id.
open_window() {  # VAR FONT
  "$program" "$2" >/dev/null 2>&1 &
  pids+=($!)
  printf -v "$1" '%s' "$(timeout 90 xdotool search --sync --onlyvisible --all --pid "$!" \
    --name "^Grind FNT Tool" | head -1)"
}
# The mouse over the tile of code (16 tiles a row, 24 pixels each).
hover_tile() {  # WINDOW CODE
  xdotool mousemove --window "$1" $((16 + 24 * ($2 % 16))) $((38 + 24 * ($2 / 16)))
  sleep 0.3
}
# A glyph's rows as `grindfnt dump` shows them, without its heading.
rows() {  # FONT CODE
  "$runner" dump "$1" "$2" | tail -n +2
}

open_window first "$private/a.fnt"
sleep 1
hover_tile "$first" 65
press_key "$first" ctrl+shift+c
targets=$(timeout 10 xclip -o -selection clipboard -t TARGETS)
for target in application/x-grindfnt-glyphs text/plain image/png; do
  grep -qx "$target" <<<"$targets" || fail "the clipboard offers no $target"
done
[ "$(timeout 10 xclip -o -selection clipboard -t text/plain)" = "$("$runner" dump "$private/a.fnt" 65)" ] ||
  fail "the clipboard's text is not the dump of \"A\""
timeout 10 xclip -o -selection clipboard -t image/png >"$private/a.png"

open_window second "$private/b.fnt"
sleep 1
hover_tile "$second" 66
press_key "$second" ctrl+shift+v
# Only the picture now, as another program would offer it.
xclip -selection clipboard -t image/png -i "$private/a.png" >/dev/null 2>&1
sleep 0.5
hover_tile "$second" 67
press_key "$second" ctrl+shift+v
press_key "$second" ctrl+s
sleep 1

copied=$(rows "$private/a.fnt" 65)
[ "$(rows "$private/b.fnt" 66)" = "$copied" ] || fail "\"B\" is not the copied \"A\""
[ "$(rows "$private/b.fnt" 67)" = "$copied" ] || fail "\"C\" is not the pasted picture of \"A\""
[ "$failures" = 0 ] && echo "glyphs went through the X clipboard from one window to the other"
exit "$failures"
