#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up, memory and CPU of the real program against a bare Qt window of the same size, in
# one virtual X display, the two started in turn for several rounds. Reports medians and ratios:
#   - the time from the start to the first mapped window, and to the first complete frame (the
#     game: the red deck and all sixteen empty foundations drawn; the bare window: its colour),
#     and the processor time the program had used by then;
#   - the resident memory once the first frame is complete, and the game's after 10 s of a hand;
#   - the CPU used while idle (the game between hands), and the game's during a hand at Blinding.
#   startup.sh PATH/TO/zanfel PATH/TO/bare_window [ROUNDS] [ZOOM]   (7 rounds: about two and a half minutes)
# ZOOM (100 by default) starts the game at that saved zoom, on a screen large enough for it, against
# a bare window of the same size.
set -euo pipefail
[ $# -ge 2 ] || { sed -n '2,10p' "$0"; exit 2; }
game_program=$1 bare_program=$2 rounds=${3:-7} zoom=${4:-100}
idle_seconds=5 blinding_seconds=10
work=$(mktemp -d)
cleanup() { kill "${running:-}" "${xvfb:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

now_ms() { local t=$EPOCHREALTIME; echo $((${t/./} / 1000)); }
poll() {  # poll SECONDS INTERVAL COMMAND...: bounded retries
    local deadline=$(($(now_ms) + $1 * 1000)) interval=$2; shift 2
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep "$interval"
    done
}

# -noreset: between two programs no client is connected, and a server that resets then may
# turn the next program away.
screen=1024x768
[ "$zoom" -le 100 ] || screen=2560x1600
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
poll 20 0.1 grep -qs '[0-9]' "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY QT_QPA_PLATFORM=xcb

# The zoom the game starts at, kept where it keeps its settings.
mkdir -p "$work/config/Zanfel"
[ "$zoom" = 100 ] || printf '[View]\nZoom=%s\n' "$zoom" >"$work/config/Zanfel/Settings.ini"
z() { echo $((($1 * zoom + 50) / 100)); }  # z PIXELS: a table length at 100 % at the zoom

# The table (or the bare client) is the bottom 754 x 452 of the window at 100 %, under the menu bar.
frame=$work/frame.rgb
# The moment of the last grab is taken before any check of it, so a slower check of the
# game's frame does not count against the game.
grab() { import -window "$wid" -depth 8 "rgb:$frame" 2>/dev/null && grabbed_ms=$(now_ms); }
pixel() {  # pixel X Y: the colour at table pixel X,Y at 100 % of the last grab, as rrggbb
    od -An -v -tx1 -N3 -j $((((table_top + $(z "$2")) * width + $(z "$1")) * 3)) "$frame" | tr -d ' \n'
}
# The standard deviation of each card-sized place at the given table pixels: 0 means one flat colour.
place_spreads() {  # place_spreads X:Y...
    local clones=() xy
    for xy in "$@"; do
        clones+=('(' -clone 0 -crop "$(z 57)x$(z 73)+$(z "${xy%:*}")+$((table_top + $(z "${xy#*:}")))" ')')
    done
    convert -size "${width}x${height}" -depth 8 "rgb:$frame" "${clones[@]}" -delete 0 \
        -format '%[fx:standard_deviation] ' info:
}
foundations=(248:256 376:176 440:176 312:96 312:256 440:96 376:256 440:256
             184:224 184:136 376:96 312:176 248:176 248:96 504:136 504:224)
game_frame_complete() {
    grab && [ "$(pixel 575 388)" = c00000 ] || return 1
    place_spreads "${foundations[@]}" | awk '{for (i = 1; i <= NF; i++) if ($i == 0) exit 1}'
}
bare_frame_complete() {
    grab && [ "$(pixel 575 388)" = c00000 ] || return 1
    [ "$(place_spreads 0:0 697:379)" = "0 0 " ]
}

mapped() {  # mapped KIND
    kill -0 "$running" 2>/dev/null || fail "$title ended before its window appeared: $(cat "$work/$1.log")"
    wid=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$wid" ]
}
# The time on a processor of all the program's threads, in microseconds: unlike the wall time
# to the first frame, it hardly moves when other work shares the machine.
cpu_us() { cat /proc/"$running"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns / 1e3}'; }
cpu_over() {  # cpu_over SECONDS: the share of one core used over that time, in percent
    local before; before=$(cpu_us); sleep "$1"
    awk -v us=$(($(cpu_us) - before)) -v s="$1" 'BEGIN {printf "%.3f", us / 1e4 / s}'
}

# start KIND PROGRAM TITLE: one start-up, recorded as KIND's figures in $work/KIND.
start() {
    local kind=$1 program=$2 start_ms
    title=$3
    start_ms=$(now_ms)
    XDG_CONFIG_HOME=$work/config "$program" "${@:4}" 2>"$work/$kind.log" &
    running=$!
    poll 20 0.005 mapped "$kind" || fail "no window titled \"$title\""
    local map_ms=$(($(now_ms) - start_ms))
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    # shellcheck disable=SC2153  # WIDTH and HEIGHT come from xdotool
    width=$WIDTH height=$HEIGHT table_top=$((HEIGHT - $(z 452)))
    poll 20 0.005 "${kind}_frame_complete" || fail "$title never drew a complete frame"
    local frame_ms=$((grabbed_ms - start_ms)) frame_cpu_ms=$(($(cpu_us) / 1000))
    sleep 1
    local rss_kib; rss_kib=$(awk '/^VmRSS:/ {print $2}' "/proc/$running/status")
    local idle; idle=$(cpu_over "$idle_seconds")
    local blinding=- hand_rss_kib=-
    if [ "$kind" = game ]; then
        xdotool windowfocus --sync "$wid" key alt+s && sleep 0.3 && xdotool key b && sleep 0.3
        xdotool windowfocus --sync "$wid" key ctrl+d
        blinding=$(cpu_over "$blinding_seconds")
        hand_rss_kib=$(awk '/^VmRSS:/ {print $2}' "/proc/$running/status")
    fi
    echo "$map_ms $frame_ms $rss_kib $idle $blinding $frame_cpu_ms $hand_rss_kib" >>"$work/$kind"
    printf '%-5s map %4d ms  frame %4d ms (cpu %4d ms)  rss %6d KiB  idle %6s%%  blinding %6s%%\n' \
        "$kind" "$map_ms" "$frame_ms" "$frame_cpu_ms" "$rss_kib" "$idle" "$blinding"
    kill "$running"; wait "$running" 2>/dev/null || true; running=
    sleep 0.5
}

# Each goes first in every other round, so neither always starts just after the other has ended.
for ((round = 1; round <= rounds; round++)); do
    echo "round $round"
    if ((round % 2)); then
        start game "$game_program" "Zanfel v2.0"
        start bare "$bare_program" "Bare window" "$zoom"
    else
        start bare "$bare_program" "Bare window" "$zoom"
        start game "$game_program" "Zanfel v2.0"
    fi
done

middle() { sort -g | awk '{v[NR] = $1} END {if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
median() { cut -d' ' -f"$2" "$work/$1" | middle; }  # median KIND COLUMN
# The game's figure over the bare window's of the same round, the median of those: a round's
# pair ran close together in time, so a machine whose speed drifts moves both alike.
paired_ratio() {  # paired_ratio COLUMN
    paste -d' ' <(cut -d' ' -f"$1" "$work/game") <(cut -d' ' -f"$1" "$work/bare") |
        awk '$2 > 0 {print $1 / $2}' | middle
}
echo
echo "medians of $rounds rounds          game      bare     ratio of medians, median of round ratios"
row() {  # row CAPTION COLUMN UNIT
    local g b r; g=$(median game "$2") b=$(median bare "$2") r=$(paired_ratio "$2")
    awk -v c="$1" -v g="$g" -v b="$b" -v u="$3" -v r="$r" 'BEGIN {
        printf "%-28s %7s %-3s %7s %-3s %6s %6s\n", c, g, u, b, u,
            (b > 0 ? sprintf("%.2fx", g / b) : "-"), (r != "" ? sprintf("%.2fx", r) : "-")}'
}
row "first mapped window" 1 ms
row "first complete frame" 2 ms
row "CPU time to that frame" 6 ms
row "resident memory" 3 KiB
row "CPU while idle, % of a core" 4 ""
echo "CPU during a hand at Blinding   $(median game 5) % of a core"
echo "resident memory after 10 s of that hand   $(median game 7) KiB"
awk -v g="$(median game 3)" -v b="$(median bare 3)" \
    'BEGIN {printf "resident memory, game - bare   %+.1f MiB\n", (g - b) / 1024}'
