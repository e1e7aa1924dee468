#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Zanfel, builds it, and then plays or tests it.
#   ./run.sh play   install what building and running the game needs, build the game alone
#                   in build-play/, start it
#   ./run.sh test   install that and the test tools, build everything with warnings as errors,
#                   run every test and the benchmarks, build the Debian package and check it
#                   with lintian, fuzz random play and the network's decoder for a bounded
#                   time, then run the tests again under AddressSanitizer and
#                   UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the game needs.
game_packages=(g++ make cmake qt6-base-dev qt6-qpa-plugins libchm-dev fonts-dejavu-core
               libcanberra-dev   # the sounds: its header to build, the library it brings to play them
               qt6-tools-dev qt6-l10n-tools  # the translations: Qt's CMake support, lupdate and lrelease
               qt6-translations-l10n)        # Qt's own words (dialogs, buttons) in the player's language
# What only the tests and the benchmarks need.
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick desktop-file-utils appstream
               clang libclang-rt-14-dev  # clang's libFuzzer for the fuzz target
               clang-format-14           # the layout check of every C++ file
               gettext                   # msgfmt, which checks the translations' placeholders and keys
               x11-utils                 # xprop, which reads what the game's window asks of the desktop
               dpkg-dev file lintian)    # cpack's Debian package and its check
jobs=$(nproc 2>/dev/null || echo 2)

install_missing() {  # install_missing PACKAGE...
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    # sudo clears the environment, so the variable goes through env on apt-get's own line.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" --parallel "$jobs"
}

build_game() {  # build_game DIR: the game alone, without the tests, benchmarks or tools
    cmake -S . -B "$1"
    cmake --build "$1" --parallel "$jobs" --target zanfel
}

run_tests() {  # run_tests DIR
    (cd "$1" && ctest --output-on-failure --parallel "$jobs")
}

# The Debian package, built as the README's Install section builds it. lintian fails the run on
# any error or warning; its notes at info level are shown too.
package_and_lint() {
    cmake -S . -B build-deb -DCMAKE_INSTALL_BINDIR=games
    cmake --build build-deb --parallel "$jobs"
    rm -f build-deb/zanfel_*.deb
    (cd build-deb && cpack -G DEB)
    lintian --fail-on error,warning --display-info build-deb/zanfel_*.deb
    echo "lintian: no error and no warning"
}

# Random play under libFuzzer for a bounded time; a broken invariant or a sanitizer report
# stops it with an error, and the input that did it is left in build-fuzz/.
fuzz_play() {
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DZANFEL_WERROR=ON -DZANFEL_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
    cmake --build build-fuzz --parallel "$jobs" --target play_fuzzer
    local corpus
    corpus=$(mktemp -d)
    ./build-fuzz/tests/fuzz/play_fuzzer -max_total_time=45 -max_len=8192 -artifact_prefix=build-fuzz/ \
        "$corpus" tests/fuzz/corpus
    rm -rf "$corpus"
}

# The network's message decoder and frame reader, and a host in each phase of a game, under
# libFuzzer, fed arbitrary byte streams, from the same clang build; its corpus starts from real
# messages and recorded games.
fuzz_net() {
    cmake --build build-fuzz --parallel "$jobs" --target net_fuzzer
    local corpus
    corpus=$(mktemp -d)
    # A host's connections and timers outlive one input by design: a leak check after every
    # input would scan the whole heap each time and run ten times slower. The tests under
    # AddressSanitizer look for leaks.
    ./build-fuzz/tests/fuzz/net_fuzzer -max_total_time=30 -max_len=8192 -detect_leaks=0 \
        -artifact_prefix=build-fuzz/ "$corpus" tests/fuzz/net_corpus
    rm -rf "$corpus"
}

case "${1:-}" in
    play)
        install_missing "${game_packages[@]}"
        build_game build-play
        exec ./build-play/ui/zanfel
        ;;
    test)
        install_missing "${game_packages[@]}" "${test_packages[@]}"
        build build -DZANFEL_WERROR=ON -DZANFEL_BUILD_TESTS=ON -DZANFEL_BUILD_BENCH=ON
        run_tests build
        ./build/bench/engine_bench --benchmark_min_time=0.05
        QT_QPA_PLATFORM=offscreen ./build/bench/zoom_bench --benchmark_min_time=0.05
        ./build/bench/long_game
        package_and_lint
        fuzz_play
        fuzz_net
        build build-sanitize -DZANFEL_WERROR=ON -DZANFEL_SANITIZE=ON -DZANFEL_BUILD_TESTS=ON \
              -DCMAKE_BUILD_TYPE=Debug
        ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
            UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
        ;;
    *)
        sed -n '/^# Sets up/,/^set /p' "$0" | sed '$d'
        exit 2
        ;;
esac
