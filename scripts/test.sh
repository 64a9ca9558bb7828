#!/usr/bin/env bash
# Builds everything and runs every test: once as released, with warnings as
# errors, and once under AddressSanitizer and UndefinedBehaviorSanitizer.
#   --quick   only the first build
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quick=0
[ "${1:-}" = "--quick" ] && quick=1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
jobs=$(nproc)

# Every C++ file as .clang-format has it.
(cd "$root" && git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run -Werror)

build=${GFT_BUILD_DIR:-$root/build}
GFT_BUILD_DIR=$build "$root/scripts/build.sh" -DGFT_WERROR=ON -DGFT_TESTS=ON -DGFT_BENCH=ON
ctest --test-dir "$build" --output-on-failure -j"$jobs"

if [ "$quick" -eq 0 ]; then
  asan=${GFT_ASAN_BUILD_DIR:-$root/build-asan}
  GFT_BUILD_DIR=$asan "$root/scripts/build.sh" -DGFT_SANITIZE=ON -DGFT_BENCH=OFF -DGFT_WERROR=ON
  # Qt and fontconfig keep caches for the life of the process; they are not our leaks.
  export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  ctest --test-dir "$asan" --output-on-failure -j"$jobs" -E 'gui_screenshot|shell_e2e'
fi
