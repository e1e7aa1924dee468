#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the compiled help from the pages, contents and index of each language, beside the English:
#   resources/help/ZanfelHelp.chm     English, from resources/help/
#   resources/help/ZanfelHelp_XX.chm  language XX (de, fr...), from resources/help/XX/
# Each folder has its own .hhp (its Language= and Title= lines are the language's), .hhc, .hhk and
# pages; one without a .css of its own is compiled with the English one. The file's name is set here,
# whatever the .hhp's Compiled file= says.
# Needs chmcmd (Debian package fp-utils-3.2.2); the normal build uses the committed files instead.
#   tools/help/rebuild.sh            every language
#   tools/help/rebuild.sh en de      only those
# chmcmd stamps the build time into the file, so two rebuilds differ in bytes but not in pages.
set -euo pipefail
help_root=$(cd "$(dirname "$0")/../../resources/help" && pwd)
command -v chmcmd >/dev/null || { echo "rebuild.sh: chmcmd is missing (apt-get install fp-utils-3.2.2)" >&2; exit 1; }

# A language's folder, and the file it compiles to in resources/help/.
folder_of() { if [ "$1" = en ]; then echo "$help_root"; else echo "$help_root/$1"; fi; }
chm_of() { if [ "$1" = en ]; then echo ZanfelHelp.chm; else echo "ZanfelHelp_$1.chm"; fi; }

# What chmcmd does not look at: links to missing pages (the English style sheet serves every
# language), and text the help window would garble: it reads every page and the contents as UTF-8,
# so each page says so and none is anything else.
check_sources() {
    local language=$1 dir=$2 bad=0 page target
    for page in "$dir"/*.html; do
        for target in $(grep -o 'href="[^"#]*' "$page" | sed 's/^href="//'); do
            [ -e "$dir/$target" ] || { [[ $target == *.css ]] && [ -e "$help_root/$target" ]; } ||
                { echo "$language/$(basename "$page"): link to missing $target" >&2; bad=1; }
        done
        grep -qi '<meta charset="utf-8">' "$page" ||
            { echo "$language/$(basename "$page"): no <meta charset=\"utf-8\">" >&2; bad=1; }
    done
    for page in "$dir"/*.html "$dir"/*.hhc "$dir"/*.hhk; do
        iconv -f UTF-8 -t UTF-8 "$page" >/dev/null 2>&1 || { echo "$language/$(basename "$page"): not UTF-8" >&2; bad=1; }
    done
    if [ "$language" != en ] && grep -q '^Language=0x409' "$dir"/*.hhp; then
        echo "$language: the .hhp still says Language=0x409 (English)" >&2
        bad=1
    fi
    return "$bad"
}

rebuild() {
    local language=$1 dir chm work status=0 output problems
    dir=$(folder_of "$language")
    chm=$(chm_of "$language")
    [ -f "$(ls "$dir"/*.hhp 2>/dev/null | head -n 1)" ] || { echo "rebuild.sh: no .hhp in $dir" >&2; return 1; }
    check_sources "$language" "$dir" || return 1
    # Compile in a scratch copy, so a failed run never leaves a half-written file behind.
    work=$(mktemp -d)
    cp "$dir"/*.html "$dir"/*.hhp "$dir"/*.hhc "$dir"/*.hhk "$work"/
    sed -i "s/^Compiled file=.*/Compiled file=$chm/" "$work"/*.hhp
    if compgen -G "$dir/*.css" >/dev/null; then cp "$dir"/*.css "$work"/; else cp "$help_root"/*.css "$work"/; fi
    # chmcmd reports most of its errors with exit status 0, so its output decides.
    output=$(cd "$work" && chmcmd --verbosity 5 "$(basename "$(ls "$dir"/*.hhp | head -n 1)")" 2>&1) || status=$?
    problems=$(grep -Ei "^(error|warning)|can't find|exception|unable" <<<"$output" || true)
    if [ "$status" -ne 0 ] || [ -n "$problems" ] || [ ! -s "$work/$chm" ]; then
        echo "$output" >&2
        echo "rebuild.sh: chmcmd failed for $language (exit status $status)" >&2
        rm -rf "$work"
        return 1
    fi
    mv "$work/$chm" "$help_root/$chm"
    rm -rf "$work"
    echo "Wrote $help_root/$chm"
}

languages=("$@")
if [ "${#languages[@]}" -eq 0 ]; then
    languages=(en)
    for dir in "$help_root"/*/; do
        compgen -G "$dir*.hhp" >/dev/null && languages+=("$(basename "$dir")")
    done
fi
failed=0
for language in "${languages[@]}"; do
    [ -d "$(folder_of "$language")" ] || { echo "rebuild.sh: no help folder for $language" >&2; failed=1; continue; }
    rebuild "$language" || failed=1
done
exit "$failed"
