#!/bin/sh
# Builds the Debian package from a release build and checks it: the desktop entry and the AppStream
# metainfo must validate cleanly and lintian must report no error. The package lands in the build
# folder (build-package unless BUILD_DIR says otherwise); extra arguments go to CMake.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
build="${BUILD_DIR:-build-package}"
# Debian's own hardening flags, all of them, read by CMake when it first configures the folder.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKESTRELON_TESTS=OFF "$@" >/dev/null
cmake --build "$build" -j2
rm -f "$build"/kestrelon_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kestrelon_*.deb)
echo "Built $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
complaints=$(desktop-file-validate "$root"/usr/share/applications/*.desktop)
if [ -n "$complaints" ]; then
  echo "$complaints"
  exit 1
fi
appstreamcli validate --no-net --strict "$root"/usr/share/metainfo/*.metainfo.xml
lintian --fail-on error "$deb"
echo "Package checks passed"
