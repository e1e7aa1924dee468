#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_format.sh ROOT [CLANG_FORMAT]: fails, naming them, while any tracked C++ file under ROOT
# differs from what clang-format (Debian 12's, version 14) makes of it with the project's
# .clang-format. `clang-format-14 -i FILE` puts a file right. Skipped outside a git checkout.
set -euo pipefail
root=$1
format=${2:-clang-format-14}
git -C "$root" rev-parse --git-dir >/dev/null 2>&1 || exit 77
cd "$root"
command -v "$format" >/dev/null || { echo "$format is missing (apt-get install clang-format-14)"; exit 1; }
# One clang-format for all files (a process per file took most of a minute); it names each file
# it would change in its complaints.
mapfile -t differing < <(git ls-files -z -- '*.cpp' '*.h' |
    xargs -0 "$format" --style=file --dry-run --Werror 2>&1 |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ ${#differing[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (run $format -i on them):"
    printf '  %s\n' "${differing[@]}"
    exit 1
fi
