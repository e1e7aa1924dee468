#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds resources/help/ZanfelHelp.chm from the pages, contents and index beside it.
# Needs chmcmd (Debian package fp-utils-3.2.2); the normal build uses the committed file instead.
#   tools/help/rebuild.sh
# chmcmd stamps the build time into the file, so two rebuilds differ in bytes but not in pages.
set -euo pipefail
help_dir=$(cd "$(dirname "$0")/../../resources/help" && pwd)
command -v chmcmd >/dev/null || { echo "rebuild.sh: chmcmd is missing (apt-get install fp-utils-3.2.2)" >&2; exit 1; }

# chmcmd does not look at links, so a page that links to a missing page is caught here.
broken=0
for page in "$help_dir"/*.html; do
    for target in $(grep -o 'href="[^"#]*' "$page" | sed 's/^href="//'); do
        [ -e "$help_dir/$target" ] || { echo "$(basename "$page"): link to missing $target" >&2; broken=1; }
    done
done
[ "$broken" -eq 0 ] || exit 1

# Compile in a scratch copy, so a failed run never leaves a half-written file behind.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$help_dir"/*.html "$help_dir"/*.css "$help_dir"/*.hhp "$help_dir"/*.hhc "$help_dir"/*.hhk "$work"/
# chmcmd reports most of its errors with exit status 0, so its output decides.
status=0
output=$(cd "$work" && chmcmd --verbosity 5 zanfel.hhp 2>&1) || status=$?
problems=$(grep -Ei "^(error|warning)|can't find|exception|unable" <<<"$output" || true)
if [ "$status" -ne 0 ] || [ -n "$problems" ] || [ ! -s "$work/ZanfelHelp.chm" ]; then
    echo "$output" >&2
    echo "rebuild.sh: chmcmd failed (exit status $status)" >&2
    exit 1
fi
mv "$work/ZanfelHelp.chm" "$help_dir/ZanfelHelp.chm"
echo "Wrote $help_dir/ZanfelHelp.chm"
