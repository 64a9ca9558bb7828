#!/usr/bin/env bash
# cmake --install into a fresh prefix puts both programs in bin/ (the runner
# works from there), the README in share/doc/grindfnttool and, with the
# editor, its desktop entry, the .fnt file type and the icon where a Linux
# desktop looks for them. The entry is checked by desktop-file-validate when
# that is installed, else key by key; the file type by update-mime-database
# when that is installed.
# Usage: install_test.sh CMAKE BUILD_DIR FONT gui|nogui
set -euo pipefail
cmake=$1 build=$2 font=$3 gui=$4
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/usr"
fail() {
  echo "FAIL: $*"
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" > "$root/install.log" 2>&1 \
  || { cat "$root/install.log"; fail "cmake --install"; }
while IFS= read -r file; do
  [ -e "$file" ] || fail "listed in install_manifest.txt but missing: $file"
done < "$build/install_manifest.txt"

expected=(bin/grindfnt share/doc/grindfnttool/README.md)
if [ "$gui" = gui ]; then
  expected+=(bin/grindfnttool share/applications/grindfnttool.desktop
             share/mime/packages/grindfnttool.xml
             share/icons/hicolor/scalable/apps/grindfnttool.svg)
fi
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for program in "$prefix"/bin/*; do
  [ -x "$program" ] || fail "not executable: $program"
done
"$prefix/bin/grindfnt" info "$font" | grep -q '^height: [0-9]' || fail "the installed grindfnt does not run"
echo "ok: ${expected[*]}"
[ "$gui" = gui ] || exit 0

# The desktop entry.
desktop="$prefix/share/applications/grindfnttool.desktop"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
  echo "ok: desktop-file-validate"
fi
[ "$(head -1 "$desktop")" = "[Desktop Entry]" ] || fail "the entry does not start with [Desktop Entry]"
if grep -vnE '^(#.*|\[Desktop Entry\]|[A-Za-z0-9-]+(\[[A-Za-z_@.]+\])?=.*|)$' "$desktop"; then
  fail "lines above are not key=value lines"
fi
value() { sed -n "s/^$1=//p" "$desktop"; }
for entry in "Type=Application" "Name=Grind FNT Tool" "Exec=grindfnttool %f" "Icon=grindfnttool" \
  "MimeType=application/x-grindlemoor-fnt;" "Categories=Graphics;2DGraphics;RasterGraphics;" "Terminal=false"; do
  [ "$(grep -c "^${entry%%=*}=" "$desktop")" = 1 ] || fail "key ${entry%%=*} missing or repeated"
  [ "${entry%%=*}=$(value "${entry%%=*}")" = "$entry" ] || fail "expected $entry, found $(grep "^${entry%%=*}=" "$desktop")"
done
exec=$(value Exec)
[ -x "$prefix/bin/${exec%% *}" ] || fail "Exec names ${exec%% *}, which is not in bin/"
ls "$prefix"/share/icons/hicolor/*/apps/"$(value Icon)".* > /dev/null 2>&1 || fail "no icon file for Icon=$(value Icon)"
echo "ok: desktop entry keys"

# The file type: the type the entry opens, for *.fnt.
mime="$prefix/share/mime/packages/grindfnttool.xml"
type=$(value MimeType)
type=${type%;}
if command -v xmllint > /dev/null; then
  xmllint --noout "$mime" "$prefix/share/icons/hicolor/scalable/apps/grindfnttool.svg" \
    || fail "the file type or the icon is not well-formed XML"
fi
grep -q "<mime-type type=\"$type\">" "$mime" || fail "$mime does not define $type"
if command -v update-mime-database > /dev/null; then
  update-mime-database "$prefix/share/mime" > /dev/null 2>&1 || fail "update-mime-database rejects $mime"
  grep -q "^[0-9]*:$type:\*\.fnt$" "$prefix/share/mime/globs2" || fail "*.fnt does not map to $type"
  echo "ok: update-mime-database maps *.fnt to $type"
fi

png="$prefix/share/icons/hicolor/48x48/apps/grindfnttool.png"
if [ -e "$png" ]; then
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
  if command -v identify > /dev/null; then
    [ "$(identify -format '%wx%h' "$png")" = 48x48 ] || fail "$png is not 48 x 48"
  fi
  echo "ok: 48 x 48 PNG icon"
fi
