#!/bin/sh
# Runs one golden case of grindfnt and compares what it printed with
# golden/NAME.expected.
#
#   run_golden.sh GRINDFNT GFT_FIXTURES GOLDEN_DIR SAMPLE_FNT NAME
#
# The case runs in a fresh folder holding the fixtures of gft_fixtures and
# sample.fnt, with TMPDIR pointing at an empty folder inside it. The command
# line is "run NAME.script" or the words of NAME.args; NAME.script, when there
# is one, is copied into the folder and also fed on stdin. A case with
# neither has only NAME.after (several runs at once, say). Recorded: stdout,
# stderr (after "[stderr]"), the exit status, the output of the shell commands
# in NAME.after (run in the folder afterwards, with $GRINDFNT naming the
# runner and $GOLDEN the folder of the golden cases), and anything grindfnt
# left in TMPDIR. Times "(0.012 sec)" read "(T sec)", a date and time
# "DATE", a carriage return reads "\r".
# With GFT_UPDATE_GOLDEN=1 the expected file is rewritten instead.
set -eu
grindfnt=$1 fixtures=$2 golden=$3 sample=$4 name=$5

work=$(mktemp -d "${TMPDIR:-/tmp}/gft-golden-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir tmp
"$fixtures" "$work"
cp "$sample" sample.fnt
stdin=/dev/null
if [ -f "$golden/$name.script" ]; then
    cp "$golden/$name.script" .
    stdin=$name.script
fi
args="run $name.script"
[ -f "$golden/$name.args" ] && args=$(cat "$golden/$name.args")

normalise() {
    sed -e 's/([0-9][0-9]*\.[0-9][0-9][0-9] sec)/(T sec)/g' -e 's/\r/\\r/g' -e "s|$work|WORK|g" \
        -e 's/[0-9]\{4\}-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]/DATE/g'
}

status=0
: >stdout.txt
: >stderr.txt
if [ -f "$golden/$name.script" ] || [ -f "$golden/$name.args" ]; then
    # shellcheck disable=SC2086 # the words of the command line
    TMPDIR="$work/tmp" "$grindfnt" $args <"$stdin" >stdout.txt 2>stderr.txt || status=$?
    only_after=0
else
    only_after=1
fi
{
    normalise <stdout.txt
    if [ -s stderr.txt ]; then
        echo "[stderr]"
        normalise <stderr.txt
    fi
    [ "$only_after" = 1 ] || echo "[exit $status]"
    if [ -f "$golden/$name.after" ]; then
        echo "[after]"
        TMPDIR="$work/tmp" GRINDFNT="$grindfnt" GOLDEN="$golden" sh -eu "$golden/$name.after" 2>&1 |
        normalise
    fi
    if [ -n "$(ls -A tmp)" ]; then
        echo "[left in TMPDIR]"
        ls -A tmp
    fi
} >actual.txt

if [ "${GFT_UPDATE_GOLDEN:-0}" = 1 ]; then
    cp actual.txt "$golden/$name.expected"
    exit 0
fi
diff -u "$golden/$name.expected" actual.txt
