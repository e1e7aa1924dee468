#include <gtest/gtest.h>

#include "scoring.h"

namespace zanfel {
namespace {

void fill(PileList& list, int cards) {
    list.clear();
    for (int i = 0; i < cards; ++i)
        list.addEnd(static_cast<CardNumber>(i + 1));
}

TEST(TallyHand, ScoresCardsPlayedLessTwoPerPersonalCard) {
    Table table;
    // The human went out with 20 cards on the foundations: 32 left in stock and work piles.
    fill(table.lstStack[0], 28);
    for (int k = 1; k <= 4; ++k)
        fill(table.lstStack[k], 1);
    // The middle player played nothing: all 52 held, 13 of them in the personal pile.
    fill(table.lstPlayer[0], 35);
    for (int k = 1; k <= 4; ++k)
        fill(table.lstPlayer[k], 1);
    fill(table.lstPlayer[5], 13);
    // The left player holds 30 cards, 4 in the personal pile; the right player 40, 10.
    fill(table.lstPlayer[6], 26);
    fill(table.lstPlayer[11], 4);
    fill(table.lstPlayer[12], 30);
    fill(table.lstPlayer[17], 10);
    const HandRow row = scoreHand(table);
    EXPECT_EQ(row[kHuman], 20);
    EXPECT_EQ(row[kMiddlePlayer], -26);
    EXPECT_EQ(row[kLeftPlayer], 52 - 30 - 8);
    EXPECT_EQ(row[kRightPlayer], 52 - 40 - 20);
}

TEST(ScoreSheet, TotalsAreReadBackAsTheLeadingNumber) {
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("104"), 104);
    EXPECT_EQ(leadingNumber("-26"), -26);
    EXPECT_EQ(leadingNumber("  12abc"), 12);
    EXPECT_EQ(leadingNumber("x12"), 0);
}

// Totals by player index (human, middle, left, right) and the question they lead to.
TEST(EndOfGame, NamesTheWinnerOrTheTieOnceATotalPassesNinetyNine) {
    EXPECT_FALSE(judgeTotals({99, 98, 97, 96}).over);
    const std::vector<std::pair<std::array<int, 4>, std::string>> cases{
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
