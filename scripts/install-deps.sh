#!/bin/sh
# Installs, from Debian's packages, whatever the build, the program, its tests and its package
# checks still lack.
set -eu
packages="g++ cmake make qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
libgl-dev libgtest-dev libbenchmark-dev fonts-dejavu-core fonts-liberation2
file dpkg-dev desktop-file-utils appstream lintian man-db"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
