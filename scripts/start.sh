#!/usr/bin/env bash
# Builds the editor and opens the bundled sample font (or the font given) in
# it. Installs only what building and running the editor needs; the test
# tools come with scripts/test.sh.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "grindfnttool needs a graphical desktop (DISPLAY or WAYLAND_DISPLAY is not set)" >&2
  exit 1
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GFT_BUILD_DIR:-$root/build}
"$root/scripts/deps.sh" editor
# A first configuration leaves out the tests and benchmarks, whose libraries
# are not installed here; scripts/test.sh turns them on.
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGFT_TESTS=OFF \
    -DGFT_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target grindfnttool grindfnt
font=${1:-$root/data/sample.fnt}
exec "$build/bin/grindfnttool" "$font"
