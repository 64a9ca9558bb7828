#!/usr/bin/env bash
# Builds the Debian package from a release build and checks it:
# build/grindfnttool_VERSION_ARCH.deb, made by CPack in build-release/ (or
# $GFT_RELEASE_BUILD_DIR) with Debian's compiler and linker flags (hardening
# included), then unpacked, run and passed through lintian and the other
# validators by tests/packaging/deb_test.sh. Install it with
#   sudo apt install ./build/grindfnttool_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
release=${GFT_RELEASE_BUILD_DIR:-$root/build-release}
"$root/scripts/deps.sh" package

# Optimised as Debian builds its packages (-O2), asserts off as in any release.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$release" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DGFT_TESTS=OFF -DGFT_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@" > /dev/null
cmake --build "$release" -j"$(nproc)"
rm -f "$release"/grindfnttool_*.deb
(cd "$release" && cpack -G DEB > cpack.log) || { cat "$release/cpack.log"; exit 1; }
mkdir -p "$root/build"
deb=$(basename "$release"/grindfnttool_*.deb)
cp "$release/$deb" "$root/build/$deb"
"$root/tests/packaging/deb_test.sh" "$root/build/$deb"
echo "built build/$deb"
