#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
#   deps.sh          everything: the editor, the tests, benchmarks and fuzzing
#   deps.sh editor   only what building and running the editor needs
set -euo pipefail
packages=(g++ cmake make pkg-config qt6-base-dev libpng-dev libdeflate-dev libfreetype-dev)
if [ "${1:-}" != editor ]; then
  packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool xclip imagemagick clang libclang-rt-14-dev clang-format
             # fonts the typeface import is tested and fuzzed with, and the BDF checker
             fonts-dejavu-core xfonts-75dpi xfonts-utils
             # a real browser for the HTML specimen page
             chromium
             # signals delivered in the middle of a batch verb's work
             strace)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
