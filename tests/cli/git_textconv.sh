#!/usr/bin/env bash
# Fonts under git, set up as the README shows: .gitattributes gives *.fnt the
# diff driver "grindfnt", whose textconv is "grindfnt dump --no-selection".
# Two commits change one pixel of 'A'; git diff and git log -p must show that
# glyph's changed row and nothing else. A change in the work tree with a
# selection table beside the font must show only its glyph too.
# Usage: git_textconv.sh GRINDFNT SAMPLE_FNT
set -euo pipefail
grindfnt=$(realpath "$1") sample=$(realpath "$2")
command -v git > /dev/null || { echo "git is not installed"; exit 77; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export HOME=$root GIT_CONFIG_NOSYSTEM=1 GIT_AUTHOR_NAME=test GIT_AUTHOR_EMAIL=test@example.org
export GIT_COMMITTER_NAME=test GIT_COMMITTER_EMAIL=test@example.org
fail() {
  echo "FAIL: $*"
  exit 1
}
git init -q "$root/repo"
cd "$root/repo"
echo '*.fnt diff=grindfnt' > .gitattributes
git config diff.grindfnt.textconv "$grindfnt dump --no-selection"
git config diff.grindfnt.xfuncname '^Character [0-9]+.*$'
cp "$sample" font.fnt
git add .gitattributes font.fnt
git commit -qm "the sample font"

# Sets the pixel COL ROW (1-based) of glyph CODE and saves; more script lines
# may follow.
edit_pixel() {
  printf 'load font.fnt\nedit %s\ned pixel %s %s left\ned apply\n%s\nsave font.fnt\n' "$1" "$2" "$3" "${4:-}" \
    | "$grindfnt" run > /dev/null
}
# The rows of glyph CODE in font.fnt as the textconv shows them.
glyph_rows() { "$grindfnt" dump --no-selection font.fnt "$1" | tail -n +2; }

# Checks a git diff: its changed lines are exactly the row ROW (1-based) of
# glyph CODE, before and after, in one hunk that names the glyph.
check_diff() {
  local what=$1 code=$2 row=$3 before=$4 after=$5 out=$6
  local removed added
  removed=$(grep '^-' "$out" | grep -v '^--- ' || true)
  added=$(grep '^+' "$out" | grep -v '^+++ ' || true)
  [ "$removed" = "-$(sed -n "${row}p" <<< "$before")" ] || { cat "$out"; fail "$what: removed lines"; }
  [ "$added" = "+$(sed -n "${row}p" <<< "$after")" ] || { cat "$out"; fail "$what: added lines"; }
  [ "$removed" != "-${added#+}" ] || fail "$what: the row did not change"
  grep -q "^ Character $code (" "$out" || { cat "$out"; fail "$what: glyph $code's heading is not in the hunk"; }
  [ "$(grep -c '^@@' "$out")" = 1 ] || { cat "$out"; fail "$what: more than one hunk"; }
  echo "ok: $what shows row $row of glyph $code and nothing else"
}

before=$(glyph_rows 65)
edit_pixel 65 2 3
after=$(glyph_rows 65)
git commit -qam "one pixel of A"
git diff HEAD~ HEAD > diff.txt
check_diff "git diff" 65 3 "$before" "$after" diff.txt
git log -p -1 --format= > log.txt
check_diff "git log -p" 65 3 "$before" "$after" log.txt
# -U0: the hunk header names the glyph (the diff driver's xfuncname).
git diff -U0 HEAD~ HEAD | grep -q '^@@ .* @@ Character 65 (\$41)' || fail "the hunk header does not name glyph 65"

# In the work tree: a pixel of 'B' and glyph 67 selected, so a selection
# table lies beside the font; git's copy of the committed font has none.
before=$(glyph_rows 66)
edit_pixel 66 1 1 "toggle 67"
[ -f font.lok ] || fail "no selection table was written beside the font"
after=$(glyph_rows 66)
git diff > worktree.txt
check_diff "git diff of the work tree" 66 1 "$before" "$after" worktree.txt
