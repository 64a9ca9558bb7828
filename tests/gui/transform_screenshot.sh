#!/usr/bin/env bash
# Starts the editor on Xvfb with a font and the text preview set to
# "Grindlemoor", selects all (Ctrl+A), opens the preview (F10) and
# photographs it as loaded and after each item of Edit > Transform, chosen
# from the menu by keys (a dialog answered with its default by Return), each
# undone (Ctrl+Z) before the next. Every picture must differ from the first,
# and the preview must be the first again after each undo.
# Usage: transform_screenshot.sh PROGRAM FONT OUT_DIR   (exit 77: tools missing)
xvfb_screen=1200x800x24 . "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 font=$2 out=$3
need import convert compare
mkdir -p "$out" "$settings_folder"
printf '%s\n' "[Version]" "Application=Grind FNT Tool" "Major=0" "Minor=0" "Revision=150" \
  "[TextPreview]" "Text=Grindlemoor" "Scale=3" >"$settings_folder/Settings.ini"
"$program" "$font" 2>/dev/null &
pids+=("$!")
main=$(wait_for_window) || fail "no main window"
sleep 1
press_key "$main" ctrl+a
press_key "$main" F10
preview=$(wait_for_window "^Text preview" 30) || fail "no text preview"
sleep 0.5
shoot() {  # NAME
  import -window "$preview" "$out/$1.png"
  echo "screenshot: $out/$1.png"
}
# Whether two pictures of the preview draw the same text (below the text
# line, whose focus frame comes and goes).
same() {
  convert "$1" -crop +0+40 +repage "$private/a.png"
  convert "$2" -crop +0+40 +repage "$private/b.png"
  [ "$(compare -metric AE "$private/a.png" "$private/b.png" null: 2>&1 || true)" = 0 ]
}
shoot 0-loaded

# The items of Edit > Transform in menu order; Transform is the Edit menu's
# last item, so Up from its first item reaches it.
items=(bold italic outline shadow invert scale-font)
for k in "${!items[@]}"; do
  name=$((k + 1))-${items[$k]}
  press_key "$main" alt+e
  xdotool key Up Right
  for ((i = 0; i < k; i++)); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
  case ${items[$k]} in italic | scale-font) xdotool key Return && sleep 0.5 ;; esac
  sleep 0.5
  shoot "$name"
  same "$out/0-loaded.png" "$out/$name.png" && fail "${items[$k]}: the preview did not change"
  press_key "$main" ctrl+z
  sleep 0.5
  import -window "$preview" "$private/undone.png"
  same "$out/0-loaded.png" "$private/undone.png" || fail "${items[$k]}: undo did not bring the preview back"
done
echo "main: $(xdotool getwindowname "$main")"
