#!/usr/bin/env bash
# The real program in a virtual X display: the window appears with its title and size, the
# red deck is where it belongs, a click on it deals, and Exit ends the program at once.
#   start_and_deal.sh PATH/TO/zanfel
set -euo pipefail
program=$1
work=$(mktemp -d)
cleanup() { kill "${game:-}" "${xvfb:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every wait below is a bounded poll: poll SECONDS COMMAND... retries every tenth of a second.
poll() {
    local tries=$(($1 * 10)); shift
    for ((i = 0; i < tries; i++)); do "$@" && return 0; sleep 0.1; done
    return 1
}

# Xvfb picks a free display itself and writes its number once it is ready for clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
poll 20 grep -q '[0-9]' "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work "$program" &
game=$!
find_window() {
    kill -0 "$game" 2>/dev/null || fail "the program ended before its window appeared"
    wid=$(xdotool search --onlyvisible --name '^Zanfel v2.0$' 2>/dev/null | head -n 1)
    [ -n "$wid" ]
}
poll 20 find_window || fail "no window titled \"Zanfel v2.0\""
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -eq 754 ] || fail "window is $WIDTH wide, not 754"
table_top=$((Y + HEIGHT - 452))

pixel() {  # pixel X Y: the colour at table pixel X,Y as rrggbb
    import -window root -crop "1x1+$((X + $1))+$((table_top + $2))" -depth 8 txt:- |
        sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'a-f' 'A-F'
}
deck_drawn() { [ "$(pixel 575 388)" = "C00000" ]; }
poll 10 deck_drawn || fail "the red deck is not at its place (saw $(pixel 575 388))"
region() {  # region X Y: a fingerprint of the card-sized place at table pixel X,Y
    import -window root -crop "57x73+$((X + $1))+$((table_top + $2))" -depth 8 rgb:- | md5sum
}
before=$(region 424 352)

xdotool mousemove $((X + 575)) $((table_top + 388)) click 1
personal_pile_shows() { [ "$before" != "$(region 424 352)" ]; }
poll 10 personal_pile_shows || fail "the personal pile shows nothing after a click on the deck"

xdotool windowfocus --sync "$wid" key ctrl+x
program_ended() { ! kill -0 "$game" 2>/dev/null; }
poll 10 program_ended || fail "Exit did not end the program"
wait "$game" || fail "the program ended with status $?"
game=
echo "1 passed, 0 failed"
