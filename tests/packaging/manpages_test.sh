#!/usr/bin/env bash
# The manual pages render without a warning of man (as lintian renders them
# too), and each word the programs know has an entry of its own, a line that
# starts with it: in grindfnt(1) every verb, export format, script word and
# option name, in grindfnttool(1) every key of the window.
# Usage: manpages_test.sh GRINDFNT.1 GRINDFNTTOOL.1 GRINDFNT GFT_PROGRAM_WORDS
set -euo pipefail
runner_page=$1 editor_page=$2 grindfnt=$3 words=$4
here=$(dirname "$(realpath "$0")")
fail() {
  echo "FAIL: $*"
  exit 1
}
for page in "$runner_page" "$editor_page"; do
  for locale in C C.UTF-8; do
    warnings=$(LC_ALL=$locale MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > /dev/null)
    [ -z "$warnings" ] || fail "man --warnings on $page ($locale): $warnings"
  done
done
echo "ok: no warnings from man"

# The page as plain text, wide enough that no entry wraps.
text() { LC_ALL=C MANWIDTH=250 man -l "$1" 2> /dev/null | col -bx; }
runner_text=$(text "$runner_page")
editor_text=$(text "$editor_page")
missing=()
while read -r kind word; do
  case $kind in
    key) page_text=$editor_text ;;
    *) page_text=$runner_text ;;
  esac
  # A numbered member ("open-recent 3") may also be one entry for all ("open-recent n").
  pattern="$(sed 's/[][\.*^$+?(){}|/]/\\&/g' <<< "$word")"
  [[ $word =~ ^([a-z-]+)\ [0-9]+$ ]] && pattern="($pattern|${BASH_REMATCH[1]} n)"
  grep -qE "^ +$pattern( |$)" <<< "$page_text" || missing+=("$kind $word")
done < <("$here/program_words.sh" "$grindfnt" "$words" | sort -u)
[ ${#missing[@]} -eq 0 ] || fail "no entry in the manual pages for: $(printf '%s, ' "${missing[@]}")"
echo "ok: every verb, export format, script word, option and key has its entry"
