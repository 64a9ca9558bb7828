#!/usr/bin/env bash
# grindfnttool ends cleanly on SIGTERM, SIGINT, SIGHUP and SIGQUIT: status
# 128 + the signal's number, its working folder removed and the settings
# written as on a normal close. A working folder left by a process that no
# longer runs is removed at start-up, so the next window takes GFTT0000 again.
#   signals.sh GRINDFNTTOOL SAMPLE_FNT
. "$(dirname "$0")/xvfb_common.sh" "$@"
set -euo pipefail
set -m  # background jobs get SIGINT and SIGQUIT as a terminal would send them
program=$1 sample=$2
failures=0
fail() { echo "FAIL ($sig): $*"; failures=$((failures + 1)); }

# What a killed window leaves: its folder, a tile and a lock naming a process
# that has ended.
sh -c 'exit 0' &
dead=$!
wait "$dead"
mkdir "$TMP/GFTT0000"
touch "$TMP/GFTT0000/41.BMP"
echo "$dead" >"$TMP/GFTT0000/owner.pid"

# Sends SIG to the window's process and checks what a clean end leaves.
end_with() {  # PID SIG
  kill "-$2" "$1"
  status=0
  wait "$1" || status=$?
  expected=$((128 + $(kill -l "$2")))
  [ "$status" = "$expected" ] || fail "exit status $status, expected $expected"
  ls -d "$TMP"/GFTT* 2>/dev/null && fail "a working folder is left"
  [ -f "$settings_folder/Settings.ini" ] || fail "settings not written"
}

for sig in TERM INT HUP QUIT; do
  rm -rf "$settings_folder"
  "$program" "$sample" 2>/dev/null &
  pid=$!
  wait_for_window >/dev/null
  [ "$(cd "$TMP" && echo GFTT*)" = GFTT0000 ] || fail "working folders: $(ls "$TMP")"
  end_with "$pid" "$sig"
done

# A signal while a modal box waits (About, F1) ends the program all the same.
sig="TERM during a message box"
rm -rf "$settings_folder"
"$program" "$sample" 2>/dev/null &
pid=$!
press_key "$(wait_for_window)" F1
boxes() { [ "$(xdotool search --onlyvisible --name "^Grind FNT Tool" | wc -l)" -ge 2 ]; }
wait_for 10 boxes || fail "the About box did not open"
end_with "$pid" TERM

[ "$failures" = 0 ] && echo "all four signals end grindfnttool cleanly, also during a message box"
exit "$failures"
