#!/bin/sh
# Fills a folder (default build-fuzz/seeds-typeface) with seeds for the
# typeface import fuzzer: real fonts of the system as they are (the Debian
# packages fonts-dejavu-core and xfonts-75dpi) and a small BDF.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-fuzz/seeds-typeface}
mkdir -p "$dir"
cp /usr/share/fonts/X11/75dpi/helvR08.pcf.gz /usr/share/fonts/X11/75dpi/helvR08-ISO8859-1.pcf.gz \
   /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf "$dir/"
cat > "$dir/small.bdf" <<'BDF'
STARTFONT 2.1
FONT small
SIZE 3 72 72
FONTBOUNDINGBOX 3 3 0 -1
STARTPROPERTIES 2
FONT_ASCENT 2
FONT_DESCENT 1
ENDPROPERTIES
CHARS 2
STARTCHAR A
ENCODING 65
SWIDTH 1000 0
DWIDTH 3 0
BBX 3 3 0 -1
BITMAP
A0
40
E0
ENDCHAR
STARTCHAR aogonek
ENCODING 261
SWIDTH 1000 0
DWIDTH 3 0
BBX 2 2 1 -1
BITMAP
C0
40
ENDCHAR
ENDFONT
BDF
