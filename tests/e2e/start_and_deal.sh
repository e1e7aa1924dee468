#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a virtual X display, driven as a player would drive it: the window opens
# with its title and size, leaving its place to the desktop, Ctrl+D deals, a click on the red deck
# turns the stock, a drop on the stock is refused, the computer players move until Ctrl+Z pauses
# them under a veil that hides every card, zoomed in too, and the table comes back as it was;
# About opens and closes, and Ctrl+X ends the program at once. The sound library comes in with
# the deal's sound, not before, and on a machine without audio the game plays on in silence,
# saying nothing on standard error. Then a start with a saved colour that is no number shows the
# message and ends, and the next start comes up on the table's own colour. Screenshots of the way
# are left in ARTEFACTS for a person to look at.
#   start_and_deal.sh PATH/TO/zanfel ARTEFACTS
set -euo pipefail
program=$1
artefacts=$2
mkdir -p "$artefacts"
source "$(dirname "$0")/../x_session.sh"
source "$(dirname "$0")/e2e_steps.sh"

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

find_table() {
    poll 20 find_window 'Zanfel v2.0' || fail "no window titled \"Zanfel v2.0\""
    table=$wid
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$WIDTH" -eq 754 ] || fail "window is $WIDTH wide, not 754"
    table_top=$((Y + HEIGHT - 452))
}
start_game "$program"
find_table
deck_drawn() { [ "$(pixel 575 388)" = "C00000" ]; }
poll 10 deck_drawn || fail "the red deck is not at its place (saw $(pixel 575 388))"
own_colour=$(pixel 2 440)
pass "the window opens with the red deck in its place"
# The desktop puts the window where it puts new windows: the game asks for no place of its own.
! xprop -id "$wid" WM_NORMAL_HINTS | grep -q 'specified location' || fail "the window asks for a place of its own"
pass "the window leaves its place to the desktop"
shot 1-start

sound_library() { grep -q libcanberra "/proc/$game/maps"; }
! sound_library || fail "the sound library was loaded before any sound was due"
personal=$(card 424)
keys alt+s
xdotool key --clearmodifiers s
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

# At Super Easy, chosen before the deal, a computer player moves every three seconds: after a
# move has landed there is time to pause before the next.
others() { region 0 0 754 340; }
before=$(others)
table_moves() { [ "$before" != "$(others)" ]; }
poll 10 table_moves || fail "the computer players made no move"
sleep 0.6
# The row of the human's piles, which no tick changes, however late a busy machine runs it.
mine() { region 0 345 754 107; }
before=$(mine)
keys ctrl+z
# Everything but the words in the middle is one colour: no card shows. The table is W wide
# and H high, and the words lie in its middle quarter across, a sixth down.
# One grab of the table, cut into the four parts.
veiled() {
    local w=$1 h=$2
    import -window root -crop "${w}x$h+$X+$table_top" -depth 8 "$work/table.miff"
    [ "$(convert "$work/table.miff" +repage \
        \( -clone 0 -crop "${w}x$((h * 38 / 100))+0+0" \) \
        \( -clone 0 -crop "${w}x$((h - h * 62 / 100))+0+$((h * 62 / 100))" \) \
        \( -clone 0 -crop "$((w / 4))x$h+0+0" \) \
        \( -clone 0 -crop "$((w / 4))x$h+$((w * 3 / 4))+0" \) \
        -delete 0 -format '%k ' info:)" = "1 1 1 1 " ]
}
poll 5 veiled 754 452 || fail "cards show through the pause veil"
shot 3-paused
# Zoomed in while paused, the veil covers the whole larger table; back to actual size, it is as
# it was. The window's top left stays where it is.
zoomed_to() {  # zoomed_to WIDTH: the window is that wide; table_top follows
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    table_top=$((Y + HEIGHT - $1 * 452 / 754))
    [ "$WIDTH" -eq "$1" ]
}
keys ctrl+plus
poll 5 zoomed_to 943 || fail "Ctrl++ left the window $WIDTH wide, not 943"
poll 5 veiled 943 565 || fail "cards show through the pause veil at 125 %"
shot 3-paused-zoomed
keys ctrl+0
poll 5 zoomed_to 754 || fail "Ctrl+0 left the window $WIDTH wide, not 754"
poll 5 veiled 754 452 || fail "cards show through the pause veil back at 100 %"
keys ctrl+z
as_before() { [ "$before" = "$(mine)" ]; }
poll 5 as_before || fail "the table was not as it was once the pause ended"
pass "Ctrl+Z pauses the computer players under a veil, at every zoom, and the table comes back as it was"

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
wait "$game" || fail "the program ended with status $? after the message"
game=
pass "an unusable saved colour shows the message and ends the program with status 0"

! grep -q BackgroundColor "$work/Zanfel/Settings.ini" || fail "the unusable colour was left in the file"
start_game "$program"
find_table
poll 10 deck_drawn || fail "the second start shows no table"
[ "$(pixel 2 440)" = "$own_colour" ] || fail "the second start's table is $(pixel 2 440), not $own_colour"
keys ctrl+x
poll 10 program_ended || fail "Ctrl+X did not end the second start"
game=
pass "the start after it comes up on the table's own colour"

echo "$passed passed, 0 failed"
