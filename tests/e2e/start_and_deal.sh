#!/usr/bin/env bash
# The real program in a virtual X display: the window appears with its title and size, the
# red deck is where it belongs, a click on it deals, and Exit ends the program at once.
#   start_and_deal.sh PATH/TO/zanfel
set -euo pipefail
program=$1
work=$(mktemp -d)
for n in $(seq 140 199); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "${game:-}" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work "$program" &
game=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zanfel v2.0$' | head -n 1)
[ -n "$wid" ] || fail "no window titled \"Zanfel v2.0\""
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -eq 754 ] || fail "window is $WIDTH wide, not 754"
table_top=$((Y + HEIGHT - 452))

pixel() {  # pixel X Y: the colour at table pixel X,Y as rrggbb
    import -window root -crop "1x1+$((X + $1))+$((table_top + $2))" -depth 8 txt:- |
        sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'a-f' 'A-F'
}
[ "$(pixel 575 388)" = "C00000" ] || fail "the red deck is not at its place (saw $(pixel 575 388))"
region() {  # region X Y: a fingerprint of the card-sized place at table pixel X,Y
    import -window root -crop "57x73+$((X + $1))+$((table_top + $2))" -depth 8 rgb:- | md5sum
}
before=$(region 424 352)

xdotool mousemove $((X + 575)) $((table_top + 388)) click 1
sleep 0.7
after=$(region 424 352)
[ "$before" != "$after" ] || fail "the personal pile shows nothing after a click on the deck"

xdotool windowfocus --sync "$wid" key ctrl+x
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "Exit did not end the program"
wait "$game" || fail "the program ended with status $?"
game=
echo "1 passed, 0 failed"
