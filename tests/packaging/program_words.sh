#!/usr/bin/env bash
# Prints every word the programs take, one a line, as the programs themselves
# know them: what gft_program_words prints (script words, options, keys, the
# formats of export), and from "grindfnt --help" the verbs ("verb check").
# Usage: program_words.sh GRINDFNT GFT_PROGRAM_WORDS
set -euo pipefail
grindfnt=$1 words=$2
"$words"
help=$("$grindfnt" --help)
sed -nE 's/^(usage:)? +grindfnt ([a-z][a-z0-9-]*).*/verb \2/p' <<< "$help"
