#!/bin/sh
# Rebuild data/sample.fnt from the Debian xfonts-100dpi Helvetica (needs pcf2bdf).
set -e
here=$(cd "$(dirname "$0")" && pwd)
font=${1:-/usr/share/fonts/X11/100dpi/helvR12.pcf.gz}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pcf2bdf -o "$tmp/font.bdf" "$font"
python3 "$here/make_sample_font.py" "$tmp/font.bdf" "$here/../data/sample.fnt"
