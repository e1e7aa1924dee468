#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A shipped .ts as a translator hands it in, checked with Qt's and gettext's own tools:
# - it holds exactly the texts (and translators' comments) lupdate finds in the sources now, so a
#   text added, changed or dropped without the update_translations target fails here;
# - every text is finished, none left unfinished, empty or vanished;
# - msgfmt finds every %1, %2, %L1 of the English in the translation and none more, and exactly one
#   access key (&X) where the English has one.
#   check_translations.sh SOURCE_DIR LUPDATE LCONVERT MSGFMT TS_FILE
set -euo pipefail
sources=$1 lupdate=$2 lconvert=$3 msgfmt=$4 ts=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# Only the texts: the translations, their state and the order of the contexts are the translator's.
texts() { "$lconvert" -drop-translations -locations none -sort-contexts -i "$1" -o "$2"; }
cp "$ts" "$work/updated.ts"
"$lupdate" -silent -locations none -no-obsolete -I "$sources/game" "$sources/ui" -ts "$work/updated.ts"
texts "$ts" "$work/shipped.ts"
texts "$work/updated.ts" "$work/now.ts"
if ! diff -u "$work/shipped.ts" "$work/now.ts"; then
    echo "$(basename "$ts") is behind the sources: cmake --build BUILD --target update_translations" >&2
    status=1
fi

"$lconvert" -no-finished -locations none -of po -i "$ts" -o "$work/unfinished.po"
if grep -q '^msgid "[^"]' "$work/unfinished.po"; then
    grep -B1 '^msgid "[^"]' "$work/unfinished.po" >&2
    echo "$(basename "$ts"): the texts above are not finished" >&2
    status=1
fi

"$lconvert" -locations none -of po -i "$ts" -o "$work/all.po"
# The header fields gettext asks of its own files mean nothing here.
if ! "$msgfmt" --check-format --check-accelerators='&' -o /dev/null "$work/all.po" 2>"$work/msgfmt.log"; then
    # Each fault with the English text it is about, which msgfmt gives only as a line of the .po.
    grep -o "^$work/all.po:[0-9]*: .*" "$work/msgfmt.log" | while IFS=: read -r _ line why; do
        echo "$(basename "$ts"): $(sed -n "1,${line}p" "$work/all.po" | grep '^msgid ' | tail -n 1):$why" >&2
    done
    status=1
fi
[ "$status" -eq 0 ] && echo "$(basename "$ts"): up to date and finished"
exit "$status"
