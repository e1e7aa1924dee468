#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An install into a temporary prefix holds exactly the program, its network module, its help files,
# its sounds, the desktop entry, the metainfo file, the two icons, the manual page, the copyright and
# the changelog, and the installed program, with no help file beside it, opens its help on F1 from
# the installed data folder.
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

start_xvfb
start_game "$prefix/$bindir/zanfel"
poll 20 find_window 'Zanfel v2.0' || fail "the installed program shows no window"
xdotool windowfocus --sync "$wid" key F1
poll 20 find_window 'Zanfel Help' || fail "F1 opened no help window (a message about the file instead?)"
echo "1 passed, 0 failed"
