#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming each one, when a tracked C++, shell or CMake file lacks the licence's SPDX line
# where it belongs. tools/license/add_spdx.sh puts it in. Outside a git checkout there is no list
# of tracked files, and the check is skipped (exit 77).
#   tools/license/check_spdx.sh [SOURCE_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/source_files.sh"
root=${1:-$here/../..}

if ! git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "SKIP: $root is not a git checkout, so there is no list of tracked files"
    exit 77
fi

missing=()
checked=0
while IFS= read -r file; do
    checked=$((checked + 1))
    has_spdx_line "$root/$file" || missing+=("$file")
done < <(tracked_sources "$root")

if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: ${#missing[@]} of $checked source files lack the line \"$spdx_tag\""
    echo "(first line, or just after the shebang; tools/license/add_spdx.sh puts it in):"
    printf '  %s\n' "${missing[@]}"
    exit 1
fi
echo "All $checked source files carry the line \"$spdx_tag\"."
