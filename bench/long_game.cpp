// SPDX-License-Identifier: GPL-3.0-or-later
// A long game in one process: the computer players play 1,000 hands out with the player idle,
// and the resident memory is read before and after. Growth means something keeps piling up
// from hand to hand. Prints both figures and the growth; fails when it reaches the limit.
#include <cstdio>

#include "quiet_game.h"
#include "resident_memory.h"

namespace {

constexpr int kHands = 1000;
constexpr long kGrowthLimitKiB = 1024;

}  // namespace

int main() {
    zanfel::QuietGame quiet;
    std::int64_t ticks = 0;
    // One hand first, so what every hand needs is already in place when the count starts.
    zanfel::playHandOut(quiet, ticks);
    quiet.game.newGameCommand();
    const long before = residentKiB();
    int stopped = 0;
    for (int hand = 0; hand < kHands; ++hand) {
        // A hand that no longer moves is given up the way a player would: New Game.
        if (!zanfel::playHandOut(quiet, ticks)) {
            ++stopped;
            quiet.game.newGameCommand();
        }
    }
    const long after = residentKiB();
    std::printf("%d hands (%d stopped without anyone going out), %lld ticks\n", kHands, stopped,
                static_cast<long long>(ticks));
    std::printf("resident memory: %ld KiB before, %ld KiB after, growth %ld KiB (limit %ld)\n", before, after,
                after - before, kGrowthLimitKiB);
    return after - before < kGrowthLimitKiB ? 0 : 1;
}
