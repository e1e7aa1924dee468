#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line in every tracked C++, shell and CMake file that lacks it: as the
# first line, or after the shebang line. Files that already carry it are left alone, so running
# it again changes nothing.
#   tools/license/add_spdx.sh [SOURCE_DIR]    (default: the project this script belongs to)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/source_files.sh"
root=${1:-$here/../..}

added=0
while IFS= read -r file; do
    path=$root/$file
    has_spdx_line "$path" && continue
    line=$(spdx_line "$file")
    if [ ! -s "$path" ]; then
        printf '%s\n' "$line" >"$path"
    elif [ "$(spdx_line_number "$path")" = 2 ]; then
        sed -i "1a\\$line" "$path"
    else
        sed -i "1i\\$line" "$path"
    fi
    echo "$file"
    added=$((added + 1))
done < <(tracked_sources "$root")
echo "The licence line was added to $added file(s)."
