#!/usr/bin/env bash
# Opens File › Export of the editor on a real X server (Xvfb) by its keys and
# photographs the screen with both menus open; checks that the submenu shows
# and that the main window is still there.
# Usage: export_menu_screenshot.sh PROGRAM FONT OUT.png   (exit 77: tools missing)
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 font=$2 out=$3
need import convert xprop
mkdir -p "$(dirname "$out")"
"$program" "$font" 2>/dev/null &
pids+=("$!")
window=$(wait_for_window) || fail "no editor window"
sleep 1
# Alt+F opens File on its first item; Export is the eleventh; Right opens it.
press_key "$window" alt+f
for _ in $(seq 10); do xdotool key Down; sleep 0.1; done
xdotool key Right
sleep 0.8
import -window root "$out"
echo "screenshot: $out"
popups=0
for id in $(xdotool search --onlyvisible --classname '^grindfnttool$' 2>/dev/null); do
  xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_POPUP_MENU && popups=$((popups + 1))
done
[ "$popups" -eq 2 ] || fail "$popups menus open, not File and Export"
echo "File and Export open"
