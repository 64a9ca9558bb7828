#!/usr/bin/env bash
# The real editor from start to end on an X server (Xvfb), on a fresh account
# (HOME without .config, TMP and the font in a private folder):
#  - "--help" and a bad switch print the help text on standard output while the
#    help box is still open, and end with status 0 and 2 once it is answered;
#  - started with a font path holding a space (one argument), the window title
#    names the font's height and widest width; Esc on the clean window closes it;
#    the working folder GFTT0000 is then gone and Settings.ini holds the sections
#    Version, Paths, Options, TextPreview, Windows, RecentFonts in that order with
#    Source = the font path.
# Usage: shell_e2e.sh PROGRAM RUNNER FONT   (exit 77: tools missing, skipped)
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 runner=$2 font=$3
need timeout
fontpath="$private/my fonts/sample.fnt"
mkdir "$private/my fonts"
cp "$font" "$fontpath"
height=$("$runner" info "$font" | awk '/^height:/ {print $2}')
width=$("$runner" info "$font" | awk '/^max width:/ {print $3}')
version=$("$runner" --version | awk '{print $2}')

help_case() {  # ARGUMENT EXPECTED-STATUS
  local out="$private/help.out" status=0
  timeout 90 "$program" "$1" >"$out" 2>/dev/null &
  local pid=$!
  local box
  box=$(wait_for_window '^Grind FNT Tool$' 60) || fail "$1: no help box"
  # The text is out before the box waits for its answer.
  head -1 "$out" | grep -qx 'Command line parameters:' || fail "$1: help text not printed before the box"
  grep -q '^Note: if you use multiple parameters from same group last one will be used$' "$out" ||
    fail "$1: help text incomplete"
  press_key "$box" Return
  wait "$pid" || status=$?
  [ "$status" -eq "$2" ] || fail "$1: exit status $status, expected $2"
  [ ! -e "$TMP/GFTT0000" ] || fail "$1: working folder left behind"
  [ ! -e "$HOME/.config" ] || fail "$1: settings written by a help run"
  echo "ok: $1 prints the help and ends with $status"
}
help_case --help 0
help_case -x 2

"$program" "$fontpath" 2>/dev/null &
pid=$!
pids+=("$pid")
window=$(wait_for_window '^Grind FNT Tool v' 60) || fail "no main window"
title=$(xdotool getwindowname "$window")
expected="Grind FNT Tool v$version (FNT loaded, HEIGHT:$height Max WIDTH:$width)"
[ "$title" = "$expected" ] || fail "title '$title', expected '$expected'"
echo "ok: title $title"
[ -d "$TMP/GFTT0000" ] || fail "no working folder while running"
[ -e "$TMP/GFTT0000/41.BMP" ] || fail "no tile files while running"

press_key "$window" Escape
status=0
timeout 30 tail --pid="$pid" -f /dev/null || fail "Esc did not close the clean window"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after Esc"
[ ! -e "$TMP/GFTT0000" ] || fail "working folder left behind"

ini="$settings_folder/Settings.ini"
[ -f "$ini" ] || fail "no $ini"
sections=$(grep '^\[' "$ini" | tr -d '\r' | tr '\n' ' ')
[ "$sections" = "[Version] [Paths] [Options] [TextPreview] [Windows] [RecentFonts] " ] ||
  fail "sections: $sections"
source=$(sed -n 's/^Source=//p' "$ini" | tr -d '\r')
[ "$source" = "$fontpath" ] || fail "Source=$source, expected $fontpath"
echo "ok: closed with Esc; working folder gone; Settings.ini: $sections; Source=$source"
