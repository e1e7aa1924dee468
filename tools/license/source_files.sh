# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by add_spdx.sh and check_spdx.sh, so both look at the same files in the same way.
# Every tracked source file carries the licence's SPDX line: C++ files on their first line,
# shell scripts and CMake files on theirs too, or just after the shebang line.

spdx_tag='SPDX-License-Identifier: GPL-3.0-or-later'

# tracked_sources ROOT: the tracked C++, shell and CMake files under ROOT, one a line, relative
# to ROOT. Scripts without an extension count when their shebang names a shell.
tracked_sources() {
    local root=$1 file
    git -C "$root" ls-files -z | while IFS= read -r -d '' file; do
        case $file in
            *.cpp | *.h | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt) echo "$file" ;;
            *)
                if [[ ${file##*/} != *.* && -f $root/$file ]] &&
                    head -n 1 "$root/$file" | grep -qE '^#!.*\b(ba|da)?sh\b'; then
                    echo "$file"
                fi
                ;;
        esac
    done
}

# spdx_line FILE: the line FILE should carry, in its own comment syntax.
spdx_line() {
    case $1 in
        *.cpp | *.h) echo "// $spdx_tag" ;;
        *) echo "# $spdx_tag" ;;
    esac
}

# spdx_line_number FILE: where that line belongs: 2 after a shebang, else 1.
spdx_line_number() {
    if head -n 1 "$1" | grep -q '^#!'; then echo 2; else echo 1; fi
}

# has_spdx_line FILE: whether FILE carries the line where it belongs.
has_spdx_line() {
    local n
    n=$(spdx_line_number "$1")
    [ "$(sed -n "${n}p" "$1")" = "$(spdx_line "$1")" ]
}
