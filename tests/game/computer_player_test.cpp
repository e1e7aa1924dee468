#include <gtest/gtest.h>

#include "computer_player.h"
#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::setPile;
using Kind = ComputerActionKind;

constexpr int b = kLeftBase;

// A player whose piles hold the given cards, top first.
struct Position {
    Table table;
    Position(std::initializer_list<CardNumber> personal,
             std::initializer_list<std::initializer_list<CardNumber>> work,
             std::initializer_list<CardNumber> stock) {
        setPile(table.lstPlayer[b + kPersonalSlot], personal);
        int slot = kFirstWorkSlot;
        for (auto pile : work)
            setPile(table.lstPlayer[b + slot++], pile);
        setPile(table.lstPlayer[b + kStockSlot], stock);
    }
    ComputerAction play() { return playComputerTurn(table, b); }
    const PileList& pile(int slot) const { return table.lstPlayer[b + slot]; }
};

// Cards that fit nowhere among the others below: a black two and black threes and fours.
constexpr CardNumber kTwoOfSpades = 5, kThreeOfSpades = 9, kFourOfClubs = 15, kFiveOfSpades = 17;

TEST(ComputerPlayer, FoundationsTakeAcesFirstThenTheLowestFittingPileButNothingOnAKing) {
    Position ace({2, 40}, {{1}, {3}, {4}, {kTwoOfSpades}}, {kThreeOfSpades});
    ace.table.pileTop[0] = 6;
    const ComputerAction action = ace.play();  // the personal ace, before the aces below it
    EXPECT_EQ(action.kind, Kind::ToFoundation);
    EXPECT_EQ(action.fromSlot, kPersonalSlot);
    EXPECT_EQ(action.to, 1);
    EXPECT_EQ(ace.pile(kPersonalSlot).top(), 40);

    Position two({10}, {{kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}}, {kFiveOfSpades});
    two.table.pileTop.fill(48);
    two.table.pileTop[3] = two.table.pileTop[7] = 6;  // two twos of hearts: the lower one
    EXPECT_EQ(two.play().to, 3);
    EXPECT_EQ(two.table.pileTop[7], 6);

    Position kings({1, 2}, {{3, 4}, {3, 4}, {3, 4}, {3, 4}}, {2});
    kings.table.pileTop.fill(49);  // no empty foundation, and kings take nothing
    EXPECT_EQ(kings.play().kind, Kind::TurnStock);
    for (CardNumber top : kings.table.pileTop)
        EXPECT_EQ(top, 49);
}

TEST(ComputerPlayer, TheFirstWorkPileThatTakesTheCardWinsWhetherEmptyOrFitting) {
    // Eight of hearts (30): fits a black nine (33 spades, 35 clubs), not pile 1's top.
    Position empty2({30, 40}, {{44}, {}, {33}, {kTwoOfSpades}}, {kFiveOfSpades});
    EXPECT_EQ(empty2.play().to, 2);
    EXPECT_EQ(empty2.pile(2).top(), 30);
    Position fits1({30, 40}, {{35}, {}, {33}, {kTwoOfSpades}}, {kFiveOfSpades});
    const ComputerAction action = fits1.play();
    EXPECT_EQ(action.kind, Kind::ToWorkPile);
    EXPECT_EQ(action.to, 1);
    EXPECT_EQ(fits1.pile(1).count(), 2);
    EXPECT_EQ(fits1.pile(1).top(), 30);
}

TEST(ComputerPlayer, ABuiltWorkPileIsNeverBrokenUpButALoneCardMoves) {
    // Work pile 4 holds 30 on 33; pile 2 holds a lone 35 that 30 would fit.
    Position built({44}, {{kFourOfClubs}, {35}, {kFourOfClubs}, {30, 33}}, {kFiveOfSpades});
    EXPECT_EQ(built.play().kind, Kind::TurnStock);
    EXPECT_EQ(built.pile(4).count(), 2);
    // A lone 30 on pile 4 moves onto pile 2 and leaves pile 4 empty.
    Position lone({44}, {{kFourOfClubs}, {35}, {kFourOfClubs}, {30}}, {kFiveOfSpades});
    const ComputerAction action = lone.play();
    EXPECT_EQ(action.kind, Kind::ToWorkPile);
    EXPECT_EQ(action.fromSlot, 4);
    EXPECT_EQ(action.to, 2);
    EXPECT_TRUE(lone.pile(4).empty());
    // The emptied pile is refilled from the personal pile on the next turn.
    const ComputerAction refill = lone.play();
    EXPECT_EQ(refill.fromSlot, kPersonalSlot);
    EXPECT_EQ(refill.to, 4);
    EXPECT_EQ(lone.pile(4).top(), 44);
}

TEST(ComputerPlayer, TheStockCardIsPlayedOnlyWhenNothingElseMoves) {
    Position p({44}, {{kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}}, {3, 40, 41});
    ComputerAction action = p.play();
    EXPECT_EQ(action.kind, Kind::ToFoundation);
    EXPECT_EQ(action.fromSlot, kStockSlot);
    EXPECT_EQ(p.pile(kStockSlot).top(), 40);
    setPile(p.table.lstPlayer[b + kPersonalSlot], {4});  // now an ace on top: it goes first
    action = p.play();
    EXPECT_EQ(action.fromSlot, kPersonalSlot);
}

TEST(ComputerPlayer, WithNoMoveTheStockTurnsByThree) {
    const std::initializer_list<std::initializer_list<CardNumber>> stuck{
        {kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}};
    Position four({44}, stuck, {41, 42, 45, 46});
    EXPECT_EQ(four.play().kind, Kind::TurnStock);
    EXPECT_EQ(four.pile(kStockSlot).top(), 46);
    EXPECT_EQ(four.pile(kStockSlot).item(3), 45);
    Position three({44}, stuck, {41, 42, 45});
    three.play();
    EXPECT_EQ(three.pile(kStockSlot).top(), 41);
    Position one({44}, stuck, {41});
    one.play();
    EXPECT_EQ(one.pile(kStockSlot).top(), 41);
}

TEST(ComputerPlayer, AnEmptyStockPassesTheTurnAndChangesNothing) {
    Position p({44}, {{kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}, {kFourOfClubs}}, {});
    const Table before = p.table;
    EXPECT_EQ(p.play().kind, Kind::Pass);
    EXPECT_TRUE(p.pile(kStockSlot).empty());
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(p.pile(slot).top(), before.lstPlayer[b + slot].top());
    // Other sources still play.
    setPile(p.table.lstPlayer[b + kPersonalSlot], {2, 44});
    EXPECT_EQ(p.play().kind, Kind::ToFoundation);
}

class ComputerTurns : public ::testing::Test {
protected:
    ComputerTurns() { f.game.shuffleAndDeal(); }
    testing::GameFixture f;
};

TEST_F(ComputerTurns, TheRotationRunsLeftRightMiddleAndCarriesOverHands) {
    std::vector<int> bases;
    for (int i = 0; i < 4; ++i) {
        f.game.tick();
        bases.push_back(f.game.playerBase());
    }
    EXPECT_EQ(bases, (std::vector<int>{6, 12, 0, 6}));
    f.game.newGameCommand();
    f.game.deckClicked();
    f.game.tick();
    EXPECT_EQ(f.game.playerBase(), 12);
}

TEST_F(ComputerTurns, AMoveReShowsOnlyTheImagesItTouched) {
    Table& t = f.game.table();
    setPile(t.lstPlayer[b + 5], {1, 40});
    setPile(t.lstPlayer[b + 4], {3});  // an ace too, played on the next turn
    f.view.shownImages.clear();
    f.game.tick();
    EXPECT_EQ(f.view.shownImages, (std::vector<PileImage>{{ImageKind::Pile, 0}, {ImageKind::Player, b + 5}}));
    EXPECT_EQ(f.game.shownCard({ImageKind::Pile, 0}), 1);
    EXPECT_EQ(f.game.shownCard({ImageKind::Player, b + 5}), 40);
    for (int i = 0; i < 3; ++i)
        f.game.tick();
    const auto ace = std::find(t.pileTop.begin(), t.pileTop.end(), 3);
    ASSERT_NE(ace, t.pileTop.end());
    EXPECT_EQ(f.game.shownCard({ImageKind::Pile, static_cast<int>(ace - t.pileTop.begin())}), 3);
    EXPECT_EQ(f.game.shownCard({ImageKind::Player, b + 4}), kNoCard);  // the emptied pile
    EXPECT_TRUE(f.view.announcements.empty());
}

TEST_F(ComputerTurns, TheHumansPilesAndCountsAreNeverTouched) {
    const Table before = f.game.table();
    const auto counts = f.game.controls().counts;
    for (int i = 0; i < 300; ++i) {
        f.game.tick();
        if (!f.view.announcements.empty())
            break;  // the hand is over and the table cleared
        for (int k = 0; k < 6; ++k)
            ASSERT_EQ(f.game.table().lstStack[k].top(), before.lstStack[k].top());
        ASSERT_EQ(f.game.controls().counts, counts);
    }
}

}  // namespace
}  // namespace zanfel
