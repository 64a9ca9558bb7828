# shellcheck shell=bash
# The common preamble of the tests that run the real editor on an X server.
# Source it first thing with the test's arguments (xvfb_screen=WxHxD before
# the dot gives another screen than 900x600x24):
#     . "$(dirname "$0")/xvfb_common.sh" "$@"
# It skips the test (exit 77) when a tool is missing, reruns the test under
# xvfb-run unless it already runs there, and gives it a private folder
# ($private, removed at the end) holding its HOME, TMP and XDG_RUNTIME_DIR, so
# the working folders and the settings of the run stay apart from everything
# else. The processes whose ids the test adds to pids are killed at the end.

# Skips the test unless every TOOL is installed.
need() {  # TOOL...
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}
need xvfb-run xdotool
if [ "${GFT_UNDER_XVFB:-}" != 1 ]; then
  # A server number away from the ones other runs on this machine take first.
  exec env GFT_UNDER_XVFB=1 xvfb-run -a -n "$((200 + RANDOM % 600))" \
    -s "-screen 0 ${xvfb_screen:-900x600x24}" bash "$0" "$@"
fi
# A real X server: the windows must not go to the offscreen platform of the other tests.
export QT_QPA_PLATFORM=xcb
private=$(mktemp -d)
mkdir -m 700 "$private/home" "$private/tmp" "$private/runtime"
export HOME="$private/home" TMP="$private/tmp" XDG_RUNTIME_DIR="$private/runtime"
# Qt's own widgets and file dialog, not a desktop's, at one pixel a pixel.
unset XDG_CONFIG_HOME APPDATA TEMP TMPDIR QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP \
  DESKTOP_SESSION QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI
# shellcheck disable=SC2034  # for the tests that source this
settings_folder="$HOME/.config/Grind FNT Tool"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$private"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

# Until COMMAND succeeds, at most SECONDS.
wait_for() {  # SECONDS COMMAND...
  local tries=$(($1 * 10))
  shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Prints the id of the first shown window whose name matches REGEX (the
# editor's main window by default), waiting at most SECONDS; fails if none shows.
# shellcheck disable=SC2120  # called without arguments for the main window
wait_for_window() {  # [REGEX [SECONDS]]
  local id
  id=$(timeout "${2:-90}" xdotool search --sync --onlyvisible --name "${1:-^Grind FNT Tool}" 2>/dev/null |
    head -1) || true
  [ -n "$id" ] && echo "$id"
}

focus() {  # WINDOW
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.2
}

# Presses KEY (xdotool's names, e.g. ctrl+s) with WINDOW focused.
press_key() {  # WINDOW KEY
  focus "$1"
  xdotool key --clearmodifiers "$2"
  sleep 0.3
}

# Photographs WINDOW (or the part GEOMETRY, WxH+X+Y, of the screen) into OUT
# with the window's title written above it, as there is no window manager to
# draw a title bar.
photograph() {  # WINDOW OUT [GEOMETRY]
  if [ -n "${3:-}" ]; then
    import -window root -crop "$3" +repage "$private/photo.png"
  else
    import -window "$1" "$private/photo.png"
  fi
  convert "$private/photo.png" -background white -gravity north -splice 0x24 \
    -fill black -pointsize 14 -annotate +0+4 "title: $(xdotool getwindowname "$1")" "$2"
}

# How many pixels of PICTURE have the colour R,G,B.
pixels() {  # PICTURE R,G,B
  convert "$1" -alpha off -format %c histogram:info:- |
    awk -v c="($2)" 'index($0, c) {sub(":", "", $1); n += $1} END {print n + 0}'
}
