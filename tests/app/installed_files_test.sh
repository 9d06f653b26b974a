#!/bin/sh
# Installs the build into a scratch root as a package would (prefix /usr) and checks that every
# file a desktop, a software centre, man and the package need is at its place, under the
# application id where it is looked up by that id.
# Arguments: the cmake program, the build folder, the application id.
set -eu
cmake="$1" build="$2" id="$3"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

[ -x "$usr/bin/kestrelon" ] || fail "bin/kestrelon is missing or not executable"
for file in "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$id.svg" share/man/man1/kestrelon.1.gz \
  share/doc/kestrelon/copyright share/doc/kestrelon/changelog.gz; do
  [ -s "$usr/$file" ] || fail "$file is missing or empty"
done

# Each size folder holds a picture of that size with transparency.
for size in 16 32 48 64 128 256; do
  png="$usr/share/icons/hicolor/${size}x$size/apps/$id.png"
  file -b "$png" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "${png#"$usr"/}: $(file -b "$png")"
done

# The desktop entry, its icon and the window class all go by the id, and the metainfo launches it.
desktop="$usr/share/applications/$id.desktop"
for line in "Icon=$id" "StartupWMClass=$id" "Exec=kestrelon"; do
  grep -qx "$line" "$desktop" || fail "the desktop entry lacks $line"
done
grep -q "<id>$id</id>" "$usr/share/metainfo/$id.metainfo.xml" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$usr/share/metainfo/$id.metainfo.xml" || fail "metainfo does not launch $id.desktop"
gzip -dc "$usr/share/man/man1/kestrelon.1.gz" | grep -q '^\.TH KESTRELON 1' ||
  fail "kestrelon.1.gz is not the manual page"
grep -q '^License: MIT$' "$usr/share/doc/kestrelon/copyright" || fail "copyright names no MIT licence"

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "installed files: all at their place"
