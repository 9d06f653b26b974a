#!/bin/sh
# Fails when a shipped catalog lacks a translation of what the sources say: lupdate reads the
# sources into a copy of each catalog in translations/, and no message of the copy may be new,
# unfinished, empty, or gone from the sources.
#   complete_catalogs_test.sh LUPDATE SOURCE_ROOT
set -eu
lupdate="$1"
root="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for catalog in "$root"/translations/*.ts; do
  name=$(basename "$catalog")
  cp "$catalog" "$work/$name"
  "$lupdate" -silent -locations none -I "$root/src" "$root/src" -ts "$work/$name"
  for problem in 'type="unfinished"' 'type="vanished"' 'type="obsolete"' \
    '<translation></translation>' '<numerusform></numerusform>'; do
    count=$(grep -c -F "$problem" "$work/$name" || true)
    if [ "$count" -gt 0 ]; then
      echo "$name: $count message(s) with $problem"
      grep -B3 -F "$problem" "$work/$name" | grep -F '<source>' | sed 's/^ */  /'
      failed=1
    fi
  done
done
[ "$failed" -eq 0 ] && echo "Every catalog is complete"
exit "$failed"
