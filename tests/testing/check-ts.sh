#!/bin/sh
# check-ts.sh LUPDATE TSFILE SOURCEDIR...
# The translation file holds every text of the sources, each with a translation that is not
# empty, and no text the sources no longer have. Reads the sources with lupdate into a copy.
set -eu
lupdate=$1
ts=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$ts" "$tmp/check.ts"
"$lupdate" -silent -locations none "$@" -ts "$tmp/check.ts" >"$tmp/log" 2>&1 || {
    cat "$tmp/log"
    exit 1
}
status=0
for kind in unfinished vanished obsolete; do
    if grep -q "type=\"$kind\"" "$tmp/check.ts"; then
        echo "$ts: Texte mit type=\"$kind\":"
        grep -B3 "type=\"$kind\"" "$tmp/check.ts" | grep '<source>' | head -50
        status=1
    fi
done
if grep -q '<translation></translation>' "$tmp/check.ts"; then
    echo "$ts: leere Übersetzungen"
    grep -B2 '<translation></translation>' "$tmp/check.ts" | grep '<source>' | head -50
    status=1
fi
exit $status
