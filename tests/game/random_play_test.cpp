// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "random_play.h"

namespace zanfel {
namespace {

// Deals per seed; the sanitizer build plays fewer so it stays well inside its time limit.
constexpr int kDealsPerSeed = ZANFEL_RANDOM_PLAY_DEALS;
constexpr std::uint32_t kSeeds = 20;

// ZANFEL_PLAY_SEED=n replays one seed alone.
TEST(RandomPlay, EveryInvariantHoldsThroughThousandsOfHands) {
    const char* only = std::getenv("ZANFEL_PLAY_SEED");
    const std::uint32_t first = only ? static_cast<std::uint32_t>(std::strtoul(only, nullptr, 10)) : 1;
    int scored = 0, ended = 0;
    for (std::uint32_t seed = first; seed <= (only ? first : kSeeds); ++seed) {
        testing::RandomPlay play(seed);
        while (play.deals < kDealsPerSeed && play.step()) {
        }
        ASSERT_EQ(play.failure, "") << "replay with ZANFEL_PLAY_SEED=" << seed;
        scored += play.handsScored;
        ended += play.gamesEnded;
    }
    // The players really went out and games really ended with a Cancel.
    EXPECT_GT(scored, 0);
    EXPECT_GT(ended, 0);
}

}  // namespace
}  // namespace zanfel
