#!/usr/bin/env bash
# Unsaved work survives a killed window: edit, wait for the recovery copy,
# kill -9, start again (the notification strip offers the copy), File >
# "Recover unsaved changes", save; the saved font equals the same edit made
# by grindfnt byte for byte.
#   recovery_session.sh GRINDFNTTOOL GRINDFNT SAMPLE_FNT
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 grindfnt=$2 sample=$3
need import convert
font="$private/font.fnt"
cp "$sample" "$font"
printf 'load %s\nheight 0\nsave %s\n' "$sample" "$private/expected.fnt" |
  TMPDIR="$private" "$grindfnt" run >/dev/null

"$program" "$font" 2>/dev/null &
pid=$!
window=$(wait_for_window)
press_key "$window" ctrl+F5  # Top gap Increase (+)
copied() { ls "$settings_folder/Recovery/"*.ini >/dev/null 2>&1; }
wait_for 6 copied || true
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
copied || fail "no recovery copy"
cmp -s "$font" "$sample" || fail "the font changed without a save"

"$program" "$font" 2>/dev/null &
pid=$!
pids+=("$pid")
window=$(wait_for_window)
# The offer shows in the notification strip (its buttons run the menu items below).
sleep 1
import -window "$window" "$private/offer.png"
[ "$(pixels "$private/offer.png" 255,246,200)" -gt 2000 ] || fail "the recovery offer is not in the strip"
# File > "&Recover unsaved changes" (a click on the title, the item's key),
# the one copy in its list taken with Enter, then Save FNT. A busy machine
# may open the menu late: a few tries, each waiting for the title to show
# the recovered font.
recovered() { [[ "$(xdotool getwindowname "$window")" == *"HEIGHT:21"*"(*)" ]]; }
for _ in 1 2 3 4; do
  xdotool mousemove --window "$window" 20 10 click 1  # the menu bar's first title
  sleep 0.5
  xdotool key r
  chooser=$(wait_for_window "^Recover unsaved changes" 5) && press_key "$chooser" Return
  for _ in $(seq 20); do recovered && break 2; sleep 0.1; done
done
recovered || fail "title after recovery: $(xdotool getwindowname "$window")"
press_key "$window" ctrl+s
wait_for 5 cmp -s "$font" "$private/expected.fnt" || true
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
cmp "$font" "$private/expected.fnt" || fail "the recovered font differs"
[ -z "$(ls -A "$settings_folder/Recovery")" ] || fail "the copy outlived the save"
echo "the recovered font equals the edited one byte for byte"
