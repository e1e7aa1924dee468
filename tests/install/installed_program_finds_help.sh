#!/usr/bin/env bash
# An install into a temporary prefix holds exactly the program, its help file, the desktop entry,
# the metainfo file and the two icons, and the installed program, with no help file beside it,
# opens its help on F1 from the installed data folder.
#   installed_program_finds_help.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
cleanup() { kill "${game:-}" "${xvfb:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
poll() {  # poll SECONDS COMMAND...: retries every tenth of a second
    local tries=$(($1 * 10)); shift
    for ((i = 0; i < tries; i++)); do "$@" && return 0; sleep 0.1; done
    return 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "install failed: $(cat "$work/install.log")"
id=io.github.zanfel.Zanfel
expected="bin/zanfel
share/applications/$id.desktop
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/metainfo/$id.metainfo.xml
share/zanfel/ZanfelHelp.chm"
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[ "$installed" = "$expected" ] || fail "the install holds
$installed
instead of
$expected"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
poll 20 grep -qs '[0-9]' "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work "$prefix/bin/zanfel" &
game=$!
window_titled() {  # window_titled TITLE: sets wid to the first visible window with that title
    kill -0 "$game" 2>/dev/null || fail "the installed program ended early"
    wid=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$wid" ]
}
poll 20 window_titled 'Zanfel v2.0' || fail "the installed program shows no window"
xdotool windowfocus --sync "$wid" key F1
poll 20 window_titled 'Zanfel Help' || fail "F1 opened no help window (a message about the file instead?)"
echo "1 passed, 0 failed"
