#!/usr/bin/env bash
# Kept unsaved changes survive SIGKILL at random moments, with several
# programs on one settings folder:
#   recovery_stress.sh GRINDFNT SAMPLE_FNT [GRINDFNTTOOL]
# Each round starts two or three runners (and, every 25th round, a window
# under Xvfb when a window program is given and xvfb-run and xdotool are
# installed), all on one settings folder. Each edits its own file, named F.fnt
# in a folder of its own, one command at a time; each command's output is
# waited for, which the runner lets out only after its copy is written. At a
# random step each gets one command more and is killed with SIGKILL a random
# moment later. Then one runner recovers every kept copy and saves each with
# Save FNT. Every file must then be, byte for byte with its selection table,
# the state its own program had at its last copy: the one after the last
# command whose output came, or after the one in flight. For a window, whose
# copy follows its edits by up to two seconds, any state it had. A copy
# applied to another program's file, half of one state and half of another,
# or a lost copy, fails the test.
# GFT_STRESS_ROUNDS (default 200) and GFT_STRESS_SEED change the run.
set -euo pipefail
grindfnt=$1 sample=$2 window_program=${3:-}
rounds=${GFT_STRESS_ROUNDS:-200}
seed=${GFT_STRESS_SEED:-$((RANDOM * 32768 + RANDOM))}
RANDOM=$seed
steps_max=5

if [ -n "$window_program" ] && [ -z "${GFT_UNDER_XVFB:-}" ] &&
  command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  exec env GFT_UNDER_XVFB=1 xvfb-run -a -n "$((200 + RANDOM % 600))" \
    -s "-screen 0 900x600x24" bash "$0" "$@"
fi
windows=0
[ -n "$window_program" ] && [ -n "${GFT_UNDER_XVFB:-}" ] && windows=1

# Memory, when there is a place for it: the test is about order, not disks.
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base=${TMPDIR:-/tmp}
work=$(mktemp -d "$base/gft-stress-XXXXXX")
disk=$(mktemp -d "${TMPDIR:-/tmp}/gft-stress-XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work" "$disk"
}
trap cleanup EXIT
export TMPDIR="$work/tmp" TMP="$work/tmp" HOME="$work/home"
mkdir -p "$TMPDIR" "$HOME"
unset XDG_CONFIG_HOME APPDATA
export QT_QPA_PLATFORM=xcb
# stdbuf (below) preloads its library ahead of a sanitizer's runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

fail() {
  echo "FAIL (round $round, seed $seed): $*"
  exit 1
}

# The states each program goes through: states/P.K.fnt (and .lok when
# something is selected) after K steps of program P. Runner P starts from the
# sample with P + 1 rows added below, so that no two programs ever share a
# state; a step is one command: a row added above, or a glyph selected.
step() {  # K
  if [ $(($1 % 2)) = 1 ]; then echo "height 0"; else echo "toggle $((40 + $1))"; fi
}
mkdir "$work/states"
for p in 0 1 2; do
  {
    echo "load $sample"
    for _ in $(seq 0 "$p"); do echo "height 2"; done
    echo "save $work/states/$p.0.fnt"
    for k in $(seq 1 $((steps_max + 1))); do
      step "$k"
      echo "save $work/states/$p.$k.fnt"
    done
  } | "$grindfnt" run >/dev/null
done
# The window (program 3): the sample and each Top gap Increase (Ctrl+F5).
{
  echo "load $sample"
  echo "height 3"
  echo "save $work/states/3.0.fnt"
  for k in 1 2 3; do
    echo "height 0"
    echo "save $work/states/3.$k.fnt"
  done
} | "$grindfnt" run >/dev/null

# Whether FILE (with its selection table) is state P.K.
is_state() {  # FILE P K
  local lok=${1%.fnt}.lok state="$work/states/$2.$3"
  cmp -s "$1" "$state.fnt" || return 1
  if [ -f "$state.lok" ]; then cmp -s "$lok" "$state.lok"; else [ ! -e "$lok" ]; fi
}

# Reads the runner's output up to its next title line.
next_title() {  # RUNNER
  local line
  while IFS= read -r -t 30 -u "${outputs[$1]}" line; do
    [[ $line == "Grind FNT Tool v"* ]] && return 0
  done
  fail "runner $1 gave no output for step $k"
}

start_window() {  # ROUND_FOLDER FONT
  APPDATA=$1 "$window_program" "$2" 2>/dev/null &
  window_pid=$!
  pids+=("$window_pid")
  window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$window_pid" \
    --name '^Grind FNT Tool' 2>/dev/null | head -1) || true
  [ -n "$window" ] || fail "the window did not show"
}

started=$SECONDS
window_rounds=0 at_acked=0 one_further=0 window_changes=0
for round in $(seq 1 "$rounds"); do
  folder="$work/round"
  rm -rf "$folder"
  mkdir -p "$folder"
  # The copies on a disk, where a write takes long enough to be killed halfway.
  settings="$disk/Grind FNT Tool"
  rm -rf "$settings"
  count=$((2 + round % 2))
  runner_pids=() inputs=() outputs=() kill_at=() acked=()
  for p in $(seq 0 $((count - 1))); do
    mkdir "$folder/$p"
    cp "$work/states/$p.0.fnt" "$folder/$p/F.fnt"
    mkfifo "$folder/in$p" "$folder/out$p"
    # Room enough that the output comes out only when the runner lets it out.
    (cd "$folder/$p" && exec stdbuf -o1M "$grindfnt" run --settings "$settings" \
      <"../in$p" >"../out$p") &
    runner_pids[p]=$!
    pids+=("$!")
    exec {fd}>"$folder/in$p"
    inputs[p]=$fd
    exec {fd}<"$folder/out$p"
    outputs[p]=$fd
    kill_at[p]=$((RANDOM % (steps_max + 1)))
    acked[p]=0
    printf 'load F.fnt\ntitle\n' >&"${inputs[p]}"
  done

  with_window=0
  if [ "$windows" = 1 ] && [ $((round % 25)) = 0 ]; then
    with_window=1
    window_rounds=$((window_rounds + 1))
    mkdir "$folder/3"
    cp "$work/states/3.0.fnt" "$folder/3/F.fnt"
    start_window "$disk" "$folder/3/F.fnt"
    presses=$((1 + RANDOM % 3))
    # Edited and killed while the runners work: at a random moment, before
    # its first copy or after one or more.
    (
      for _ in $(seq "$presses"); do
        xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
        xdotool key --clearmodifiers ctrl+F5
        sleep 0.1
      done
      sleep "$((RANDOM % 3)).$((RANDOM % 5))"
      kill -KILL "$window_pid"
    ) &
  fi

  # Step by step, each runner's output waited for, until its kill.
  for k in $(seq 0 $((steps_max + 1))); do
    for p in "${!runner_pids[@]}"; do
      [ -n "${runner_pids[p]}" ] || continue
      next_title "$p"
      acked[p]=$k
      step "$((k + 1))" >&"${inputs[p]}"
      echo title >&"${inputs[p]}"
      if [ "${kill_at[p]}" = "$k" ]; then
        # At once, or up to 25 ms later: while the step runs, while its copy
        # is written, or after.
        delay=$((RANDOM % 25))
        [ "$delay" -lt 5 ] || sleep "0.0$(printf %02d "$delay")"
        kill -KILL "${runner_pids[p]}"
        { wait "${runner_pids[p]}"; } 2>/dev/null || true
        runner_pids[p]=""
      fi
    done
  done
  for fd in "${inputs[@]}" "${outputs[@]}"; do exec {fd}>&-; done
  { wait; } 2>/dev/null || true
  pids=()

  recovered=$(
    cd "$folder"
    {
      echo recoveries
      for _ in 1 2 3 4; do printf 'recover\nquick-save\n'; done
    } | "$grindfnt" run --settings "$settings" 2>&1 || true
  )
  for p in $(seq 0 $((count - 1))); do
    k=${acked[p]}
    if is_state "$folder/$p/F.fnt" "$p" "$k"; then
      at_acked=$((at_acked + 1))
    elif is_state "$folder/$p/F.fnt" "$p" $((k + 1)); then
      one_further=$((one_further + 1))
    else
      fail "runner $p (killed after step $k): its file is neither state $k nor $((k + 1))
$recovered"
    fi
  done
  if [ "$with_window" = 1 ]; then
    found=-1
    for k in $(seq 0 "$presses"); do is_state "$folder/3/F.fnt" 3 "$k" && found=$k; done
    [ "$found" -ge 0 ] || fail "the window's file is none of its states
$recovered"
    [ "$found" = 0 ] || window_changes=$((window_changes + 1))
  fi
  left=$(ls "$settings/Recovery" 2>/dev/null || true)
  [ -z "$left" ] || fail "copies left after recovering all: $left"
done

echo "$rounds rounds ($window_rounds with a window) in $((SECONDS - started)) s, seed $seed:" \
  "every file holds its own program's last kept state"
echo "runners: $at_acked files at the state of the last output, $one_further one step further;" \
  "windows: $window_changes of $window_rounds with changes recovered"
[ "$windows" = 1 ] || echo "windows: skipped (no window program, xvfb-run or xdotool)"
