#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a virtual X display, driven as a player would drive it: the window opens
# with its title and size, Ctrl+D deals, a click on the red deck turns the stock, a drop on the
# stock is refused, the computer players move until Ctrl+Z pauses them, About opens and closes,
# and Ctrl+X ends the program at once. The sound library comes in with the deal's sound, not
# before, and on a machine without audio the game plays on in silence, saying nothing on standard
# error. Then a start with a saved colour that is no number shows
# the message and ends. Screenshots of the way are left in ARTEFACTS for a person to look at.
#   start_and_deal.sh PATH/TO/zanfel ARTEFACTS
set -euo pipefail
program=$1
artefacts=$2
mkdir -p "$artefacts"
source "$(dirname "$0")/../x_session.sh"
shot() { import -window root "$artefacts/$1.png" 2>/dev/null || true; }
fail() { echo "FAIL: $*" >&2; shot failed; exit 1; }
passed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }

start_xvfb

no_window() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
program_ended() { ! kill -0 "$game" 2>/dev/null; }
keys() { xdotool windowfocus --sync "$wid" key --clearmodifiers "$@"; }

pixel() {  # pixel X Y: the colour at table pixel X,Y as rrggbb
    import -window root -crop "1x1+$((X + $1))+$((table_top + $2))" -depth 8 txt:- |
        sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'a-f' 'A-F'
}
region() {  # region X Y W H: a fingerprint of that part of the table
    import -window root -crop "$3x$4+$((X + $1))+$((table_top + $2))" -depth 8 rgb:- | md5sum
}
card() { region "$1" 352 57 73; }  # one of the human's places along the bottom
changed() { [ "$1" != "$(card "$2")" ]; }

start_game "$program"
poll 20 find_window 'Zanfel v2.0' || fail "no window titled \"Zanfel v2.0\""
table=$wid
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -eq 754 ] || fail "window is $WIDTH wide, not 754"
table_top=$((Y + HEIGHT - 452))
deck_drawn() { [ "$(pixel 575 388)" = "C00000" ]; }
poll 10 deck_drawn || fail "the red deck is not at its place (saw $(pixel 575 388))"
pass "the window opens with the red deck in its place"
shot 1-start

sound_library() { grep -q libcanberra "/proc/$game/maps"; }
! sound_library || fail "the sound library was loaded before any sound was due"
personal=$(card 424)
keys ctrl+d
poll 10 changed "$personal" 424 || fail "Ctrl+D dealt nothing to the personal pile"
pass "Ctrl+D deals"
poll 10 sound_library || fail "the deal's sound never reached the sound library"
pass "the sound library is loaded at the deal's sound, not at start-up"
shot 2-dealt

stock=$(card 488)
xdotool mousemove $((X + 575)) $((table_top + 388)) click 1
poll 10 changed "$stock" 488 || fail "a click on the red deck did not turn the stock"
pass "a click on the red deck turns the stock"

stock=$(card 488)
work_pile=$(card 152)
xdotool mousemove $((X + 180)) $((table_top + 388)) mousedown 1 sleep 0.2 \
    mousemove $((X + 200)) $((table_top + 388)) sleep 0.2 \
    mousemove $((X + 516)) $((table_top + 388)) sleep 0.3 mouseup 1
sleep 0.5
[ "$stock" = "$(card 488)" ] && [ "$work_pile" = "$(card 152)" ] ||
    fail "a card dropped on the stock moved"
pass "a drop on the stock is refused"

others() { region 0 0 754 340; }
before=$(others)
table_moves() { [ "$before" != "$(others)" ]; }
poll 10 table_moves || fail "the computer players made no move"
keys ctrl+z
# The frames marking the last moves stay until each player's next move would have been due,
# three ticks at Normal; once they are gone nothing may change.
sleep 3.2
settled() { local now; now=$(others); sleep 0.7; [ "$now" = "$(others)" ]; }
poll 1 settled || fail "the table kept changing after Ctrl+Z"
before=$(others)
sleep 2.5
[ "$before" = "$(others)" ] || fail "the computer players moved while paused"
pass "Ctrl+Z pauses the computer players"
shot 3-paused

keys alt+h a
poll 10 find_window 'About Zanfel' || fail "Help > About opened no window"
shot 4-about
keys Return
poll 10 no_window 'About Zanfel' || fail "OK did not close the about window"
pass "About opens and closes"

wid=$table
keys ctrl+x
poll 10 program_ended || fail "Ctrl+X did not end the program"
wait "$game" || fail "the program ended with status $?"
game=
pass "Ctrl+X ends the program"
[ ! -s "$work/game.log" ] || fail "the program wrote to standard error: $(head -c 500 "$work/game.log")"
pass "a hand played without audio says nothing on standard error"

# A saved colour that is no number: the message, then the end.
mkdir -p "$work/Zanfel"
printf '[Colors]\nBackgroundColor=blue\n' >"$work/Zanfel/Settings.ini"
start_game "$program"
poll 20 find_window 'Zanfel' || fail "no message about the saved colour"
shot 5-colour-message
keys Return
poll 10 program_ended || fail "the program went on after the message"
game=
pass "an unusable saved colour shows the message and ends the program"

echo "$passed passed, 0 failed"
