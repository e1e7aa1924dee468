#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program twice in one virtual X display, as two friends would start it: one hosts
# (--host) and opens its lobby at once, the other joins it (--join) and waits there until the
# host presses Return on the lobby's Start. The host deals; the guest turns its own stock, which
# only the host can do for it, so the card it sees has been there and back. The host quits and the
# guest reads that it left, then plays on alone. A copy without the network module beside it, asked
# to host, says why it cannot and plays alone. Screenshots of the way are left in ARTEFACTS.
#   host_and_join.sh PATH/TO/zanfel ARTEFACTS
set -euo pipefail
program=$1
artefacts=$2
mkdir -p "$artefacts"
source "$(dirname "$0")/../x_session.sh"
source "$(dirname "$0")/e2e_steps.sh"
cleanup() { kill "${host:-}" "${guest:-}" "${xvfb:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }

start_xvfb
# A port of its own, so two runs of the tests at once do not meet.
port=$((20000 + RANDOM % 8000))

window_of() {  # window_of PID TITLE: sets wid to that program's visible window with that title
    wid=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n 1)
    [ -n "$wid" ]
}
gone() { ! window_of "$1" "$2"; }
keys() { xdotool windowfocus --sync "$1" key --clearmodifiers "${@:2}"; }
region() {  # region WINDOW X Y W H: a fingerprint of that part of its table
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "$4x$5+$((X + $2))+$((Y + HEIGHT - 452 + $3))" -depth 8 rgb:- | md5sum
}
changed() { [ "$1" != "$(region "$2" "$3" 352 57 73)" ]; }

mkdir -p "$work/host" "$work/guest"
XDG_CONFIG_HOME=$work/host QT_QPA_PLATFORM=xcb "$program" --host --port "$port" --name Ann 2>>"$work/host.log" &
host=$!
poll 20 window_of "$host" 'Host Network Game' || fail "--host opened no lobby"
lobby=$wid
window_of "$host" 'Zanfel v2.0' && host_table=$wid
pass "--host opens the lobby at once"

XDG_CONFIG_HOME=$work/guest QT_QPA_PLATFORM=xcb "$program" --join "127.0.0.1:$port" --name Bob \
    2>>"$work/guest.log" &
guest=$!
poll 20 window_of "$guest" 'Join Network Game' || fail "--join opened no window to wait in"
poll 10 window_of "$guest" 'Zanfel v2.0' && guest_table=$wid
xdotool windowmove "$guest_table" 270 300
sleep 1.5  # seated within a moment on one machine
shot 1-lobby
pass "--join waits in the lobby"
# The desktop tells the game's windows by their class: --name names the player, never the window.
for table in "$host_table" "$guest_table"; do
    xdotool search --classname '^zanfel$' | grep -qx "$table" || fail "the player's name became the window's"
done
pass "the windows keep the program's class"

keys "$lobby" Return
poll 10 gone "$host" 'Host Network Game' || fail "Return on the lobby did not start the game"
poll 10 gone "$guest" 'Join Network Game' || fail "the guest was not told of the start"
pass "Return presses Start, and the guest's lobby closes"

personal=$(region "$guest_table" 424 352 57 73)
keys "$host_table" ctrl+d
poll 10 changed "$personal" "$guest_table" 424 || fail "the host's deal did not reach the guest"
pass "the host deals on both screens"
shot 2-dealt

for turn in 1 2 3; do
    stock=$(region "$guest_table" 488 352 57 73)
    eval "$(xdotool getwindowgeometry --shell "$guest_table")"
    xdotool mousemove $((X + 575)) $((Y + HEIGHT - 452 + 388)) click 1
    poll 10 changed "$stock" "$guest_table" 488 || fail "turn $turn: the guest's click turned no stock"
done
pass "the guest turns its own stock through the host"
shot 3-played

keys "$host_table" ctrl+x
poll 10 eval '! kill -0 "$host" 2>/dev/null' || fail "Ctrl+X did not end the host"
host=
poll 10 window_of "$guest" 'Zanfel' || fail "the guest was not told the host left"
shot 4-host-left
keys "$wid" Return
poll 10 gone "$guest" 'Zanfel' || fail "the message did not close"
personal=$(region "$guest_table" 424 352 57 73)
keys "$guest_table" ctrl+d
poll 10 changed "$personal" "$guest_table" 424 || fail "the guest cannot deal a game of its own"
pass "the host quitting leaves the guest one message and a game of its own"

keys "$guest_table" ctrl+x
poll 10 eval '! kill -0 "$guest" 2>/dev/null' || fail "Ctrl+X did not end the guest"
guest=
# A copy of the program without its network module beside it: --host says why the network game
# cannot be played, and the game goes on alone.
cp "$program" "$work/alone"
XDG_CONFIG_HOME=$work/host QT_QPA_PLATFORM=xcb "$work/alone" --host 2>>"$work/host.log" &
host=$!
poll 20 window_of "$host" 'Zanfel' || fail "--host without the network module said nothing"
shot 5-no-module
keys "$wid" Return
poll 10 window_of "$host" 'Zanfel v2.0' || fail "the game did not go on without the network module"
keys "$wid" ctrl+x
poll 10 eval '! kill -0 "$host" 2>/dev/null' || fail "Ctrl+X did not end the game without its network module"
wait "$host" || fail "the game without its network module ended with status $?"
host=
pass "--host without the network module says so, and the game is played alone"

echo "$passed passed, 0 failed"
