#!/usr/bin/env bash
# The bash completion of grindfnt, sourced into bash and asked as bash asks it
# on Tab: the verbs and export formats are those the program itself lists,
# the options of run those of its usage, and each place offers the files it
# takes (any case, names with spaces, folders to go into).
# Usage: completion_test.sh COMPLETION GRINDFNT GFT_PROGRAM_WORDS
set -euo pipefail
completion=$(realpath "$1") grindfnt=$(realpath "$2") words=$(realpath "$3")
here=$(dirname "$(realpath "$0")")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}
# shellcheck source=/dev/null
source "$completion"
[ "$(complete -p grindfnt)" = "complete -F _grindfnt grindfnt" ] || fail "complete -p grindfnt: $(complete -p grindfnt)"

# Expectations list the words separated by "|".
# What Tab offers after the words given (the last one is being typed), sorted.
offered() {
  COMP_WORDS=(grindfnt "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _grindfnt
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort
}
expect() {
  local want=$1
  shift
  local got
  got=$(offered "$@")
  [ "$got" = "$(printf '%s\n' "$want" | tr '|' '\n' | sed '/^$/d' | LC_ALL=C sort)" ] \
    || fail "grindfnt $* <Tab>: expected [$want], got [$(tr '\n' '|' <<< "$got")]"
}

all_words=$("$here/program_words.sh" "$grindfnt" "$words")
verbs=$(sed -n 's/^verb //p' <<< "$all_words")
formats=$(sed -n 's/^format //p' <<< "$all_words")
[ -n "$verbs" ] && [ -n "$formats" ] || fail "the program listed no verbs or no formats"
expect "$(tr '\n' '|' <<< "$verbs")--help|--version" ""
expect "diff|dump" d
expect "$(tr '\n' '|' <<< "$formats")" export ""
for format in $formats; do
  ! "$grindfnt" export "$format" nosuch.fnt "$root/out" 2>&1 | grep -q 'unknown export format' \
    || fail "grindfnt export does not take the offered format $format"
done
run_options=$("$grindfnt" --help | grep -o 'grindfnt run .*' | grep -oE '\-\-[a-z]+' | sort -u)
expect "$(tr '\n' '|' <<< "$run_options")" run --
expect "--no-selection" dump --
expect "-o|--scale" render sample.fnt text -

cd "$root"
mkdir "my fonts" sub
touch a.fnt B.FNT notes.txt face.ttf FACE.OTF x.bdf y.pcf.gz picture.png "my fonts/two words.fnt"
expect "a.fnt|B.FNT|my fonts|sub" check ""
expect "a.fnt|B.FNT|my fonts|sub" diff a.fnt ""
expect "" diff a.fnt B.FNT ""
expect "my fonts/two words.fnt" info "my fonts/"
expect "a.fnt|B.FNT|my fonts|sub" dump ""
expect "" dump a.fnt ""
expect "face.ttf|FACE.OTF|x.bdf|y.pcf.gz|my fonts|sub" import-font ""
expect "" import-font face.ttf ""
expect "a.fnt|B.FNT|my fonts|sub" import-font face.ttf 12 ""
expect "a.fnt|B.FNT|my fonts|sub" export atari ""
expect "my fonts|sub" run --tiles ""
expect "my fonts|sub" run --settings tiles --tiles ""
expect "a.fnt|B.FNT|FACE.OTF|face.ttf|my fonts|notes.txt|picture.png|sub|x.bdf|y.pcf.gz" run ""
expect "a.fnt|B.FNT|my fonts|sub" render ""
expect "picture.png|my fonts|sub" render a.fnt hello -o ""
echo "ok: verbs ($(echo $verbs)), formats ($(echo $formats)), run options and file names"
