#!/usr/bin/env bash
# Checks the Debian package: unpacked (dpkg-deb -x) into a temporary root,
# every file is where the Debian layout puts it and nothing else is there;
# both programs run from it (grindfnt --version and a run script, the editor
# from its desktop entry's Exec line to its first paint under Xvfb); the
# package's Depends names Qt, which only the editor needs; the desktop entry,
# the AppStream metadata, the file type and the manual pages pass their
# validators, and lintian reports no error and no warning.
# Usage: deb_test.sh FILE.deb
#        deb_test.sh --build BUILD_DIR   packages BUILD_DIR with cpack first
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}
if [ "$1" = --build ]; then
  cpack --config "$2/CPackConfig.cmake" -B "$root/cpack" > "$root/cpack.log" 2>&1 \
    || { cat "$root/cpack.log"; fail "cpack"; }
  deb=$(ls "$root"/cpack/*.deb)
else
  deb=$(realpath "$1")
fi
field() { dpkg-deb -f "$deb" "$1"; }
version=$(field Version)
arch=$(field Architecture)
[ "$(basename "$deb")" = "grindfnttool_${version}_${arch}.deb" ] || fail "the file is named $(basename "$deb")"
[ "$(field Package)" = grindfnttool ] && [ "$(field Section)" = graphics ] || fail "package name or section"
field Maintainer | grep -qE '^[^<]+ <[^@ ]+@[^> ]+>$' || fail "maintainer: $(field Maintainer)"

# The layout.
tree="$root/tree"
dpkg-deb -x "$deb" "$tree"
doc=usr/share/doc/grindfnttool
expected="usr/bin/grindfnt
usr/bin/grindfnttool
usr/share/applications/grindfnttool.desktop
usr/share/bash-completion/completions/grindfnt
$doc/README.md
$doc/changelog.gz
$doc/copyright
$doc/docs/screenshot.png
$doc/examples/sample.fnt
usr/share/icons/hicolor/256x256/apps/grindfnttool.png
usr/share/icons/hicolor/48x48/apps/grindfnttool.png
usr/share/icons/hicolor/scalable/apps/grindfnttool.svg
usr/share/man/man1/grindfnt.1.gz
usr/share/man/man1/grindfnttool.1.gz
usr/share/metainfo/METAINFO
usr/share/mime/packages/grindfnttool.xml"
metainfo=$(cd "$tree" && ls usr/share/metainfo/*.metainfo.xml)
found=$(cd "$tree" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$found" = "$(sed "s|usr/share/metainfo/METAINFO|$metainfo|" <<< "$expected" | LC_ALL=C sort)" ] \
  || fail "the files of the package differ from the layout: $(diff <(echo "$expected") <(echo "$found") || true)"
for program in "$tree"/usr/bin/*; do [ -x "$program" ] || fail "not executable: $program"; done
echo "ok: every file where the Debian layout puts it ($(wc -l <<< "$found") files)"

# The runner.
grindfnt="$tree/usr/bin/grindfnt"
sample="$tree/$doc/examples/sample.fnt"
"$grindfnt" --version | grep -qx "grindfnt $version.*" || fail "grindfnt --version: $("$grindfnt" --version)"
printf 'load %s\nedit 65\ned mirror-h\ned apply\nsave %s\n' "$sample" "$root/mirrored.fnt" \
  | "$grindfnt" run > "$root/run.log" || { cat "$root/run.log"; fail "grindfnt run"; }
status=0
"$grindfnt" diff "$sample" "$root/mirrored.fnt" > "$root/diff.txt" || status=$?
[ "$status" = 1 ] && [ "$(tail -1 "$root/diff.txt")" = "1 characters differ" ] \
  || fail "grindfnt diff after a run that mirrored 'A': exit $status, $(tail -1 "$root/diff.txt")"
echo "ok: the packaged grindfnt runs a script"

# Qt only for the editor: the runner needs no Qt library, the editor does, and
# dpkg-shlibdeps put Qt into Depends.
needed() { objdump -p "$1" | sed -n 's/^ *NEEDED *//p'; }
! needed "$grindfnt" | grep -q Qt || fail "grindfnt needs Qt: $(needed "$grindfnt" | tr '\n' ' ')"
needed "$tree/usr/bin/grindfnttool" | grep -q '^libQt6Widgets' || fail "grindfnttool needs no Qt?"
field Depends | grep -q 'libqt6widgets6' || fail "Depends names no Qt: $(field Depends)"
echo "ok: Depends: $(field Depends)"

# The editor, started as the desktop starts it: the entry's Exec line with %f
# the sample font, the packaged programs first on the PATH.
desktop="$tree/usr/share/applications/grindfnttool.desktop"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
private="$root/private"
mkdir -m 700 -p "$private/home" "$private/tmp" "$private/runtime"
(
  export PATH="$tree/usr/bin:$PATH" HOME="$private/home" TMP="$private/tmp" XDG_RUNTIME_DIR="$private/runtime"
  export QT_QPA_PLATFORM=xcb GFT_EXIT_AFTER_FIRST_PAINT=1
  unset TEMP TMPDIR XDG_CONFIG_HOME
  # shellcheck disable=SC2086 # the Exec line's words
  timeout 60 xvfb-run -a -n "$((200 + RANDOM % 600))" ${exec_line/\%f/$sample}
) > "$root/editor.log" 2>&1 || { cat "$root/editor.log"; fail "the editor did not start"; }
grep -qx 'first paint' "$root/editor.log" || { cat "$root/editor.log"; fail "the editor did not paint"; }
echo "ok: '$exec_line' painted the editor's window"

# The validators.
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$tree/$metainfo" > "$root/appstream.log" 2>&1 \
  || { cat "$root/appstream.log"; fail "appstreamcli validate"; }
for page in "$tree"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "man --warnings $(basename "$page"): $warnings"
done
mkdir -p "$root/mime/packages"
cp "$tree/usr/share/mime/packages/grindfnttool.xml" "$root/mime/packages/"
update-mime-database "$root/mime" > /dev/null 2>&1 || fail "update-mime-database"
grep -q '^[0-9]*:application/x-grindlemoor-fnt:\*\.fnt$' "$root/mime/globs2" || fail "*.fnt is not the font type"
for size in 48 256; do
  png="$tree/usr/share/icons/hicolor/${size}x$size/apps/grindfnttool.png"
  file "$png" | grep -q "PNG image data, $size x $size," || fail "$(file "$png")"
done
head -1 "$tree/$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
  || fail "copyright is not in the machine-readable format"
grep -q '^License: Adobe-DEC$' "$tree/$doc/copyright" || fail "the sample font's notice is not in copyright"
bash -c "source '$tree/usr/share/bash-completion/completions/grindfnt' && complete -p grindfnt" > /dev/null \
  || fail "the completion does not load"
echo "ok: desktop-file-validate, appstreamcli, man --warnings, update-mime-database, icons, copyright, completion"

lintian -I --pedantic "$deb" > "$root/lintian.log" 2>&1 || true
if grep -qE '^[EW]:' "$root/lintian.log"; then
  cat "$root/lintian.log"
  fail "lintian reports errors or warnings"
fi
echo "ok: lintian: no error, no warning; what it notes:"
grep -E '^[IPX]:' "$root/lintian.log" | sort | uniq | sed 's/^/  /' || true
