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

# One awk over every file: a process per file made the check take seconds on a busy machine.
mapfile -t files < <(tracked_sources "$root")
checked=${#files[@]}
mapfile -t missing < <(cd "$root" && awk -v tag="$spdx_tag" '
    FNR == 1 { want = (FILENAME ~ /\.(cpp|h)$/ ? "// " : "# ") tag; at = ($0 ~ /^#!/) ? 2 : 1; found = 0 }
    FNR == at && $0 == want { found = 1 }
    FNR == at { seen[FILENAME] = 1; if (!found) print FILENAME; nextfile }
    END { for (i = 1; i < ARGC; ++i) if (!(ARGV[i] in seen)) print ARGV[i] }' "${files[@]}")

if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: ${#missing[@]} of $checked source files lack the line \"$spdx_tag\""
    echo "(first line, or just after the shebang; tools/license/add_spdx.sh puts it in):"
    printf '  %s\n' "${missing[@]}"
    exit 1
fi
echo "All $checked source files carry the line \"$spdx_tag\"."
