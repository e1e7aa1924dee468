// The rules that are plain arithmetic: building down, the shuffle's draws, the clock's
// reseed, and the end of a game. No table.
#include <gtest/gtest.h>

#include <set>

#include "fake_table_view.h"
#include "scoring.h"
#include "shuffle.h"

namespace zanfel {
namespace {

using testing::landOn;

// Against rank and colour, which the rule's suit-by-suit differences must agree with.
TEST(Card, BuildingDownNeedsTheNextRankUpInTheOtherColour) {
    for (CardNumber card = 1; card <= 52; ++card)
        for (CardNumber top = 1; top <= 52; ++top)
            EXPECT_EQ(buildsDownOn(card, top), rankOf(top) == rankOf(card) + 1 && (top - card) % 2 != 0)
                << card << " on " << top;
    EXPECT_EQ(faceResourceId(52), 152);
}

std::vector<int> shuffled(std::vector<float> draws) {
    ShuffleArrays arrays;
    arrays.refillSourceDeck();
    testing::ScriptedRandom random(std::move(draws));
    shuffleDeck(arrays, random);
    return {arrays.dealOrder.begin() + 1, arrays.dealOrder.begin() + 6};
}

// The script holds one draw per card, so a shuffle that redraws on a taken place runs it dry.
TEST(Shuffle, ATakenPlaceProbesUpwardAndWrapsFromFiftyTwoToOne) {
    EXPECT_EQ(drawPlace(0.0f), 1);
    EXPECT_EQ(drawPlace(0.99999994f), 52);  // the largest float below one
    EXPECT_EQ(shuffled(testing::decksFrom({1})), (std::vector<int>{1, 2, 3, 4, 5}));
    std::vector<float> draws{landOn(52), landOn(1), landOn(2), landOn(52)};  // 52 again: wraps to 3
    draws.resize(52, landOn(1));
    EXPECT_EQ(shuffled(draws), (std::vector<int>{52, 1, 2, 3, 4}));
}

// A reseed that replaced the state with the clock would give one value over and over here.
TEST(ClockRandomSource, AFrozenClockStillGivesSpreadValuesInRange) {
    ClockRandomSource random([] { return std::uint64_t{42}; });
    std::set<float> seen;
    for (int i = 0; i < 10000; ++i)
        seen.insert(random.reseedAndDraw());
    EXPECT_GT(seen.size(), 9900u);
    EXPECT_TRUE(*seen.begin() >= 0.0f && *seen.begin() < 0.01f) << *seen.begin();
    EXPECT_TRUE(*seen.rbegin() > 0.99f && *seen.rbegin() < 1.0f) << *seen.rbegin();
}

TEST(EndOfGame, NamesTheWinnerOrTheTieOnceATotalPassesNinetyNine) {
    // Totals by player index: human, middle, left, right.
    const std::pair<std::array<int, 4>, std::string> cases[]{
        {{100, 80, 100, 50}, "We have a tie !!"},  // the human leads; the left player equals
        {{40, 101, 60, 20}, "The middle player won !!"},
        {{120, 50, 50, 10}, "You Won !!"},  // two equal totals below the leader are no tie
        {{10, 20, 130, 0}, "The left player won !!"},
        {{-40, 99, 99, 100}, "The player on the right won !!"},
    };
    for (const auto& [totals, winner] : cases) {
        const GameOutcome outcome = judgeTotals(totals);
        EXPECT_TRUE(outcome.over) << winner;
        EXPECT_EQ(gameOverQuestion(outcome), winner + "\r\nDo you want to play again?");
    }
}

}  // namespace
}  // namespace zanfel
