#!/usr/bin/env bash
# The English catalogue must hold every text of the code, translated: lupdate reads the
# code into a copy of the catalogue, which must then have no unfinished entry and equal
# the committed one (so no text gone from the code lingers in it).
set -euo pipefail
lupdate="$1"
source_dir="$2"
catalogue="$source_dir/translations/velmor_en.ts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/velmor_en.ts"
cd "$source_dir"
"$lupdate" -silent -no-obsolete -locations none -I . app editor platform update \
    -ts "$work/velmor_en.ts"
status=0
if grep -n -B2 'type="unfinished"' "$work/velmor_en.ts"; then
    echo "Texts without an English translation (above); translate them in $catalogue." >&2
    status=1
fi
if ! diff -u "$catalogue" "$work/velmor_en.ts" >&2; then
    echo "$catalogue differs from the code's texts: run 'make translations'." >&2
    status=1
fi
exit $status
