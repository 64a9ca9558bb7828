#!/usr/bin/env bash
# Saving over a read-only font: a user who may not write it gets an error
# line and the file stays as it was; root, who may, keeps its mode 0444 and
# its owner; a device node is refused (root only: mknod). Run as root, the
# unprivileged part runs as "nobody" (setpriv).
#   save_permissions.sh GRINDFNT SAMPLE_FNT
set -euo pipefail
grindfnt=$1 sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 0777 "$work"
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
as_user=()
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || { echo "skipped: setpriv is missing"; exit 77; }
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
mkdir -m 0777 tmp
cp "$sample" ro.fnt
[ "$(id -u)" = 0 ] && chown 65534:65534 ro.fnt
chmod 0444 ro.fnt

status=0
out=$(printf 'load ro.fnt\nheight 0\nsave ro.fnt\n' |
      TMPDIR="$work/tmp" "${as_user[@]}" "$grindfnt" run 2>&1) || status=$?
[ "$status" = 1 ] || fail "refused save ended with status $status"
grep -qx 'Error #13 on WriteByteArray' <<<"$out" || fail "no error line: $out"
grep -qx 'Permission denied' <<<"$out" || fail "no reason: $out"
cmp -s ro.fnt "$sample" || fail "the read-only font changed"
[ "$(stat -c %a ro.fnt)" = 444 ] || fail "mode is now $(stat -c %a ro.fnt)"
ls -A | grep -q gft && fail "temporary file left: $(ls -A)"

# A width table the user may not write: the picture beside it is not
# replaced either, since the two are written both or neither.
cp "$sample" s.fnt
"$grindfnt" export bitmap s.fnt pair.png >/dev/null
cp pair.png pair.old
[ "$(id -u)" = 0 ] && chown 65534:65534 pair.png pair.widths
chmod 0444 pair.widths
status=0
out=$(printf 'load s.fnt\nheight 0\nexport-bitmap pair.png\n' |
      TMPDIR="$work/tmp" "${as_user[@]}" "$grindfnt" run 2>&1) || status=$?
[ "$status" = 1 ] || fail "export beside a read-only width table ended with status $status"
grep -qx 'Error #13 on ExportBitmap' <<<"$out" || fail "no export error line: $out"
cmp -s pair.png pair.old || fail "the picture was replaced, its width table not"
ls -A | grep -q gft && fail "temporary file left: $(ls -A)"

if [ "$(id -u)" = 0 ]; then
  printf 'load ro.fnt\nheight 0\nsave ro.fnt\n' | TMPDIR="$work/tmp" "$grindfnt" run >/dev/null ||
    fail "root could not save over the read-only font"
  cmp -s ro.fnt "$sample" && fail "root's save did not change the font"
  [ "$(stat -c '%a %u:%g' ro.fnt)" = "444 65534:65534" ] ||
    fail "mode and owner are now $(stat -c '%a %u:%g' ro.fnt)"
  # A device node, here a private one like /dev/null, is refused by name.
  mknod null.fnt c 1 3
  out=$(printf 'load ro.fnt\nsave null.fnt\n' | TMPDIR="$work/tmp" "$grindfnt" run 2>&1) || true
  grep -qx 'null.fnt is not a regular file' <<<"$out" || fail "device save: $out"
  [ "$(stat -c %F null.fnt)" = "character special file" ] || fail "the device node was replaced"
fi
[ "$failures" = 0 ] && echo "read-only fonts and width tables are refused or kept as they were"
exit "$failures"
