#!/usr/bin/env bash
# grindfnt ends cleanly on SIGTERM, SIGINT, SIGHUP and SIGQUIT while it waits
# for its next line: status 128 + the signal's number, its working folder
# gone, and (with --settings) the unsaved changes kept as a recovery copy;
# after SIGKILL, the next run removes the folder.
#   signals.sh GRINDFNT SAMPLE_FNT
set -euo pipefail
set -m  # background jobs get SIGINT and SIGQUIT as a terminal would send them
grindfnt=$1 sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$sample" a.fnt
failures=0
fail() { echo "FAIL ($sig): $*"; failures=$((failures + 1)); }

# Waits up to 20 s for a file matching the pattern.
wait_for() {
  for _ in $(seq 200); do
    compgen -G "$1" >/dev/null && return 0
    sleep 0.1
  done
  return 1
}

for sig in TERM INT HUP QUIT; do
  mkdir "tmp-$sig" "settings-$sig"
  mkfifo "in-$sig"
  TMPDIR="$work/tmp-$sig" "$grindfnt" run --settings "settings-$sig" <"in-$sig" >"out-$sig" 2>&1 &
  pid=$!
  exec 3>"in-$sig"
  # The first change is kept at once; the second, within two seconds of it,
  # only when the runner ends. Saving the settings tells that it was done.
  printf 'load a.fnt\nheight 0\n' >&3
  wait_for "settings-$sig/Recovery/*.ini" || fail "no recovery copy of the first change"
  printf 'height 0\nsave-settings\n' >&3
  wait_for "settings-$sig/Settings.ini" || fail "settings not saved"
  [ -n "$(ls -A "tmp-$sig")" ] || fail "no working folder while running"
  kill "-$sig" "$pid"
  status=0
  wait "$pid" || status=$?
  exec 3>&-
  expected=$((128 + $(kill -l "$sig")))
  [ "$status" = "$expected" ] || fail "exit status $status, expected $expected"
  [ -z "$(ls -A "tmp-$sig")" ] || fail "left in TMPDIR: $(ls -A "tmp-$sig")"
  printf 'recover\ntitle\n' | "$grindfnt" run --settings "settings-$sig" | grep -q 'HEIGHT:22' ||
    fail "the second change was not kept"
done
# SIGKILL cannot be caught: the folder stays, and the next run there removes
# it, but not the folder of a runner still running.
sig=KILL
mkdir tmp-KILL
mkfifo in-KILL in-live
TMPDIR="$work/tmp-KILL" "$grindfnt" run <in-KILL >/dev/null 2>&1 &
killed=$!
exec 3>in-KILL
TMPDIR="$work/tmp-KILL" "$grindfnt" run <in-live >/dev/null 2>&1 &
live=$!
exec 4>in-live
printf 'load a.fnt\n' >&3
printf 'load a.fnt\n' >&4
for _ in $(seq 200); do
  [ "$(compgen -G "tmp-KILL/grindfnt-*/owner.pid" | wc -l)" = 2 ] && break
  sleep 0.1
done
kill -KILL "$killed"
wait "$killed" || true
[ "$(ls tmp-KILL | wc -l)" = 2 ] || fail "expected two working folders: $(ls tmp-KILL)"
echo status | TMPDIR="$work/tmp-KILL" "$grindfnt" run >/dev/null
[ "$(ls tmp-KILL | wc -l)" = 1 ] || fail "the killed runner's folder was not removed: $(ls tmp-KILL)"
exec 3>&- 4>&-
wait "$live"
[ -z "$(ls -A tmp-KILL)" ] || fail "left in TMPDIR: $(ls -A tmp-KILL)"

# The batch verbs stop too. strace delivers the signal in the middle of the
# work: as the export syncs its first file, as FreeType opens the typeface.
# Status 128 + N, no output file, no temporary file.
typeface=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
if command -v strace >/dev/null && [ -f "$typeface" ]; then
  for sig in TERM INT; do
    expected=$((128 + $(kill -l "$sig")))
    for verb in "export bitmap a.fnt out.png" "export html a.fnt out.html" \
                "import-font $typeface 20 out.fnt"; do
      rm -f out.*
      inject=(-e trace=fsync -e "inject=fsync:signal=SIG$sig:when=1")
      [ "${verb%% *}" = import-font ] &&
        inject=(-P "$typeface" -e trace=openat -e "inject=openat:signal=SIG$sig:when=2")
      status=0
      # LeakSanitizer cannot work under ptrace: a sanitized build runs without it.
      # shellcheck disable=SC2086 # the verb's words
      ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
        strace -qq -o /dev/null "${inject[@]}" "$grindfnt" $verb >/dev/null 2>&1 || status=$?
      [ "$status" = "$expected" ] || fail "$verb: exit status $status, expected $expected"
      [ -z "$(ls | grep '^out\.')" ] || fail "$verb: written after the signal: $(ls | grep '^out\.')"
      [ -z "$(ls -A | grep gft)" ] || fail "$verb: temporary file left: $(ls -A | grep gft)"
    done
  done
else
  echo "batch verbs not checked: strace or $typeface is missing"
fi
[ "$failures" = 0 ] && echo "all four signals end grindfnt cleanly; a killed runner's folder goes; batch verbs stop"
exit "$failures"
