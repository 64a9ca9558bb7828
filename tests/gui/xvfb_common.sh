# The common preamble of the tests that run the real editor on an X server.
# Source it first thing with the test's arguments:
#     . "$(dirname "$0")/xvfb_common.sh" "$@"
# It skips the test (exit 77) when a tool is missing, reruns the test under
# xvfb-run unless it already runs there, and gives it a private folder
# ($private, removed at the end) as HOME and TMP, so the working folders and
# the settings of the run stay apart from everything else.
for tool in xvfb-run xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
if [ "${GFT_UNDER_XVFB:-}" != 1 ]; then
  exec env GFT_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 900x600x24" bash "$0" "$@"
fi
# A real X server: the windows must not go to the offscreen platform of the other tests.
export QT_QPA_PLATFORM=xcb
private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT
export HOME="$private" TMP="$private"
unset XDG_CONFIG_HOME APPDATA TEMP TMPDIR XDG_RUNTIME_DIR
settings_folder="$private/.config/Grind FNT Tool"

# Prints the id of the editor's main window once it is shown (at most 90 s).
wait_for_window() {
  timeout 90 xdotool search --sync --onlyvisible --name "^Grind FNT Tool" | head -1
}

# Presses KEY (xdotool's names, e.g. ctrl+s) with WINDOW focused.
press_key() {  # WINDOW KEY
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.2
  xdotool key --clearmodifiers "$2"
  sleep 0.3
}
