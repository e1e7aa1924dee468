#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An install into a temporary prefix holds exactly the program, its network module, its help files,
# its sounds, the desktop entry, the metainfo file, the two icons, the manual page, the copyright and
# the changelog, and the installed program, with no help file beside it, opens its help on F1 from
# the installed data folder, in English, French and German.
#   installed_program_finds_help.sh BUILD_DIR [BINDIR]    (BINDIR: bin, or games for the package)
set -euo pipefail
build=$1
bindir=${2:-bin}
source "$(dirname "$0")/../x_session.sh"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "install failed: $(cat "$work/install.log")"
id=io.github.zanfel.Zanfel
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
expected=$(grep -v '^$' <<EOF | LC_ALL=C sort
$bindir/zanfel
${libdir:-lib}/games/zanfel/zanfel-network.so
share/applications/$id.desktop
share/doc/zanfel/changelog.gz
share/doc/zanfel/copyright
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/man/man6/zanfel.6.gz
share/metainfo/$id.metainfo.xml
share/zanfel/ZanfelHelp.chm
$(cd "$(dirname "$0")/../../resources/help" && for help in ZanfelHelp_*.chm; do
    if [ -e "$help" ]; then echo "share/zanfel/$help"; fi
done)
$(for sound in deal own_card rival_card refused foundation_closed going_out game_over; do
    echo "share/zanfel/sounds/$sound.wav"
done)
EOF
)
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[ "$installed" = "$expected" ] || fail "the install holds
$installed
instead of
$expected"

# F1 in the language the environment asks for: the first of the desktop's languages the game knows
# wins (Italian is none, Canadian French is French, and LANGUAGE comes before LC_ALL), with or without
# its locale generated.
opens_help() {  # opens_help LANGUAGE LC_ALL HELP_WINDOW_TITLE
    [ -z "${game:-}" ] || { kill "$game"; wait "$game" 2>/dev/null || true; }
    LANGUAGE=$1 LC_ALL=$2 start_game "$prefix/$bindir/zanfel"
    poll 20 find_window 'Zanfel v2.0' || fail "the installed program shows no window"
    xdotool windowfocus --sync "$wid" key F1
    poll 20 find_window "$3" || fail "F1 opened no \"$3\" (a message about the file instead?)"
}
start_xvfb
opens_help "" C.UTF-8 'Zanfel Help'
opens_help it:fr_CA:de de_DE.UTF-8 'Aide de Zanfel'
opens_help "" de_DE.UTF-8 'Zanfel-Hilfe'
echo "3 passed, 0 failed"
