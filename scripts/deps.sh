#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
#   deps.sh          everything: the editor, the tests, benchmarks and fuzzing
#   deps.sh editor   only what building and running the editor needs
#   deps.sh package  that, and what scripts/package.sh builds and checks the .deb with
set -euo pipefail
packages=(g++ cmake make pkg-config qt6-base-dev libpng-dev libdeflate-dev libfreetype-dev)
# The Debian package: dpkg-shlibdeps, rsvg-convert for the PNG icons (librsvg
# is the SVG renderer of the desktops' icon loaders, and already on a
# desktop), the validators of its files, and Xvfb to start the packaged editor.
packaging=(dpkg-dev librsvg2-bin lintian desktop-file-utils appstream man-db file xvfb xauth)
case "${1:-}" in
  editor) ;;
  package) packages+=("${packaging[@]}") ;;
  *)
    packages+=("${packaging[@]}" libgtest-dev libbenchmark-dev xdotool xclip imagemagick clang libclang-rt-14-dev
               clang-format git
               # fonts the typeface import is tested and fuzzed with, and the BDF checker
               fonts-dejavu-core xfonts-75dpi xfonts-utils
               # a real browser for the HTML specimen page
               chromium
               # readers the TrueType export is checked with
               python3-fonttools fontconfig
               # to see which files the editor's file dialogs open, and to deliver signals
               # in the middle of a batch verb's work
               strace)
    ;;
esac
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
