#!/usr/bin/env bash
# Builds the program and opens the bundled sample font (or the font given) in
# the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GFT_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
font=${1:-$root/data/sample.fnt}
exec "$build/bin/grindfnttool" "$font"
