#!/usr/bin/env bash
# Prints every word the programs take, one a line, as the programs themselves
# know them: what gft_program_words prints (script words, options, keys), and
# from "grindfnt --help" the verbs ("verb check") and the formats of export
# ("format bitmap").
# Usage: program_words.sh GRINDFNT GFT_PROGRAM_WORDS
set -euo pipefail
grindfnt=$1 words=$2
"$words"
help=$("$grindfnt" --help)
sed -nE 's/^(usage:)? +grindfnt ([a-z][a-z0-9-]*).*/verb \2/p' <<< "$help"
sed -nE 's/.*grindfnt export FORMAT.* as (.*)$/\1/p' <<< "$help" | sed -E 's/,? or /, /; s/, /\n/g' \
  | sed 's/^/format /'
