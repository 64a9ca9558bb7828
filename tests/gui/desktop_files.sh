#!/usr/bin/env bash
# Files as a person on a desktop meets them, on the real editor under Xvfb,
# with the program installed in a folder its user may not write (run as
# "nobody" when the test runs as root) and a fresh account:
#  - the first Load dialog opens in the user's documents folder: a name typed
#    alone loads the font kept there;
#  - the dialog lists a folder without opening its files (strace: the file
#    beside the font, which has no extension to tell its type, is never opened);
#  - a save into /proc fails: the notification strip says so in words, and the
#    next save dialog opens where the font was, not in /proc; a name typed there
#    without an extension gets ".fnt";
#  - File > "Recent fonts" after a restart lists the saved and the loaded font;
#    the one deleted meanwhile shows greyed and goes when chosen.
# Pictures: SHOTS/strip_failed_save.png, SHOTS/recent_fonts_menu.png.
# Usage: desktop_files.sh PROGRAM FONT SHOTS   (exit 77: tools missing)
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
program=$1 font=$2 shots=$3
need strace import convert
mkdir -p "$shots"

# The program installed read-only; the user's home with a documents folder.
inst="$private/inst/bin" user_home="$private/user"
mkdir -p "$inst" "$user_home/Documents" "$user_home/tmp" "$user_home/run"
cp "$program" "$inst/grindfnttool"
chmod 555 "$inst" "$private/inst"
docs="$user_home/Documents"
cp "$font" "$docs/doc.fnt"
printf 'not a font' > "$docs/probe.fnt"
as_user=()
if [ "$(id -u)" = 0 ]; then
  need setpriv
  [ -n "${XAUTHORITY:-}" ] || { echo "skipped: no X authority file to hand on"; exit 77; }
  cp "$XAUTHORITY" "$private/xauth"
  export XAUTHORITY="$private/xauth"
  chmod 755 "$private"
  chown -R 65534:65534 "$user_home" "$private/xauth"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 700 "$user_home/run"
settings="$user_home/.config/Grind FNT Tool/Settings.ini"

start() {  # [FONT]: the program as the user, its file opens traced
  env HOME="$user_home" TMP="$user_home/tmp" XDG_RUNTIME_DIR="$user_home/run" \
    strace -f -qq -e trace=open,openat -o "$private/trace" "${as_user[@]}" "$inst/grindfnttool" "$@" \
    > "$private/program.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  main=$(wait_for_window '^Grind FNT Tool v' 60) || fail "no main window ($(tail -3 "$private/program.log"))"
  sleep 1
}
title_has() { [[ "$(xdotool getwindowname "$main")" == *"$1"* ]]; }
# Answers the next file dialog (title TITLE) by typing NAME into its name field.
answer_dialog() {  # TITLE NAME
  local dialog
  dialog=$(wait_for_window "$1" 30) || fail "no dialog '$1'"
  sleep 0.5
  focus "$dialog"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 15 "$2"
  xdotool key --clearmodifiers Return
  wait_for 10 eval "! xdotool search --onlyvisible --name '$1' >/dev/null 2>&1" || fail "the dialog '$1' stayed open"
}
closed() {  # the program ended by Esc on its clean window
  press_key "$main" Escape
  timeout 30 tail --pid="$pid" -f /dev/null || fail "Esc did not close the window"
}

start
press_key "$main" ctrl+o
answer_dialog '^Select Grindlemoor FNT file to Load' doc.fnt
wait_for 10 title_has "FNT loaded" || fail "doc.fnt typed alone did not load from $docs"
echo "ok: the first Load dialog opened in the documents folder"
if grep -q '/probe.fnt"' "$private/trace"; then
  fail "the dialog opened a file it only had to list: $(grep '/probe.fnt"' "$private/trace" | head -1)"
fi
echo "ok: the dialog opened none of the files it listed"

# A save into /proc fails; the strip says it, and the next dialog opens at the font.
press_key "$main" ctrl+w
answer_dialog '^Save as Grindlemoor FNT' /proc/gft-probe.fnt
sleep 0.5
photograph "$main" "$shots/strip_failed_save.png"
echo "screenshot: $shots/strip_failed_save.png"
[ "$(pixels "$shots/strip_failed_save.png" 255,224,224)" -gt 2000 ] || fail "no notification strip after the failed save"
press_key "$main" ctrl+w
answer_dialog '^Save as Grindlemoor FNT' second
wait_for 10 test -s "$docs/second.fnt" || fail "the dialog after the failed save did not open in $docs, or added no .fnt"
echo "ok: a failed save shows in the strip; the next dialog opened where the font was and added .fnt"
closed
grep -qx "Destination=$docs/second.fnt" "$settings" || fail "destination: $(grep Destination "$settings")"

# The next run: the recent fonts; doc.fnt is gone.
rm "$docs/doc.fnt"
start
press_key "$main" alt+f
for key in Down Down Right; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
sleep 0.5
import -window root "$private/root.png"
convert "$private/root.png" -crop 900x300+0+0 +repage "$shots/recent_fonts_menu.png"
echo "screenshot: $shots/recent_fonts_menu.png"
xdotool key --clearmodifiers Escape Escape  # the submenu, then the menu
press_key "$main" ctrl+2
press_key "$main" ctrl+1
wait_for 10 title_has "FNT loaded" || fail "Ctrl+1 did not load the newest recent font"
closed
[ "$(sed -n '/^\[RecentFonts\]/,$p' "$settings")" = "$(printf '[RecentFonts]\nFont1=%s' "$docs/second.fnt")" ] ||
  fail "recent fonts: $(sed -n '/^\[RecentFonts\]/,$p' "$settings")"
echo "ok: recent fonts across a restart; the missing one was taken off when chosen"
