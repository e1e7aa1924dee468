#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each shipped .ts holds exactly the texts (and translators' comments) lupdate finds in the sources
# now: a text added, changed or dropped without `cmake --build BUILD --target update_translations`
# fails here, before a translator works on a stale list.
#   follow_sources.sh SOURCE_DIR LUPDATE LCONVERT TS_FILE...
set -euo pipefail
sources=$1 lupdate=$2 lconvert=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Only the texts: the translations, their state and the order of the contexts are the translator's.
texts() { "$lconvert" -drop-translations -locations none -sort-contexts -i "$1" -o "$2"; }
status=0
for ts in "$@"; do
    cp "$ts" "$work/updated.ts"
    "$lupdate" -silent -locations none -no-obsolete -I "$sources/game" "$sources/ui" -ts "$work/updated.ts"
    texts "$ts" "$work/shipped.ts"
    texts "$work/updated.ts" "$work/now.ts"
    if ! diff -u "$work/shipped.ts" "$work/now.ts"; then
        echo "$(basename "$ts") is behind the sources: cmake --build BUILD --target update_translations" >&2
        status=1
    fi
done
echo "$# checked"
exit "$status"
