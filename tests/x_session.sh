# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that drive the real program: a scratch folder cleaned up on exit, a
# bounded poll, a private X display and a way to find the program's windows.

work=$(mktemp -d)
cleanup() { kill "${game:-}" "${xvfb:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

poll() {  # poll SECONDS COMMAND...: retries COMMAND every tenth of a second
    local tries=$(($1 * 10)); shift
    for ((i = 0; i < tries; i++)); do "$@" && return 0; sleep 0.1; done
    return 1
}

# Xvfb picks a free display itself and writes its number once it is ready for clients. It must
# not reset when one program leaves, or the next may find no display to connect to.
start_xvfb() {
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    poll 20 grep -qs '[0-9]' "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$work/display")"
}

# The run-time folder a desktop session gives every program; without one Qt says so on stderr.
start_game() {  # start_game PROGRAM: runs it on the display with settings of its own
    mkdir -p -m 700 "$work/runtime"
    QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/runtime "$1" 2>>"$work/game.log" &
    game=$!
}

find_window() {  # find_window TITLE: sets wid to the visible window with that title
    kill -0 "$game" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    wid=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$wid" ]
}
