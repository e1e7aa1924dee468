#include <gtest/gtest.h>

#include "computer_player.h"
#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::setPile;
using Kind = ComputerActionKind;
using Piles = std::initializer_list<std::initializer_list<CardNumber>>;

constexpr int b = kLeftBase;

// Cards that fit nowhere among the others below: black twos to fives and a red jack.
constexpr CardNumber k2S = 5, k3S = 9, k4C = 15, k5S = 17, kJD = 44;
constexpr Piles kStuck{{k4C}, {k4C}, {k4C}, {k4C}};

// The left player's piles, top first.
struct Position {
    Table table;
    Position(std::initializer_list<CardNumber> personal, Piles work,
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

constexpr ComputerAction foundation(int from, int j) {
    return {Kind::ToFoundation, from, j};
}
constexpr ComputerAction workPile(int from, int j) {
    return {Kind::ToWorkPile, from, j};
}
constexpr ComputerAction kTurn{Kind::TurnStock, kStockSlot, 0};

TEST(ComputerPlayer, FoundationsTakeAcesFirstThenTheLowestFittingPileButNothingOnAKing) {
    Position ace({2, 40}, {{1}, {3}, {4}, {k2S}}, {k3S});
    ace.table.pileTop[0] = 6;
    EXPECT_EQ(ace.play(), foundation(kPersonalSlot, 1));  // before the aces below it
    EXPECT_EQ(ace.pile(kPersonalSlot).top(), 40);

    Position two({10}, kStuck, {k5S});
    two.table.pileTop.fill(48);
    two.table.pileTop[3] = two.table.pileTop[7] = 6;  // two twos of hearts: the lower one
    EXPECT_EQ(two.play(), foundation(kPersonalSlot, 3));
    EXPECT_EQ(two.table.pileTop[3], 10);

    Position kings({1, 2}, {{3, 4}, {3, 4}, {3, 4}, {3, 4}}, {2});
    kings.table.pileTop.fill(49);  // no empty foundation, and kings take nothing
    EXPECT_EQ(kings.play(), kTurn);
}

TEST(ComputerPlayer, TheFirstWorkPileThatTakesTheCardWinsWhetherEmptyOrFitting) {
    // Eight of hearts (30): fits a black nine (33 spades, 35 clubs), not pile 1's jack.
    Position empty2({30, 40}, {{kJD}, {}, {33}, {k2S}}, {k5S});
    EXPECT_EQ(empty2.play(), workPile(kPersonalSlot, 2));
    Position fits1({30, 40}, {{35}, {}, {33}, {k2S}}, {k5S});
    EXPECT_EQ(fits1.play(), workPile(kPersonalSlot, 1));
    EXPECT_EQ(fits1.pile(1).count(), 2);
    EXPECT_EQ(fits1.pile(1).top(), 30);
}

TEST(ComputerPlayer, ABuiltWorkPileIsNeverBrokenUpButALoneCardMoves) {
    Position built({kJD}, {{k4C}, {35}, {k4C}, {30, 33}}, {k5S});  // 30 would fit the lone 35
    EXPECT_EQ(built.play(), kTurn);
    Position lone({kJD}, {{k4C}, {35}, {k4C}, {30}}, {k5S});
    EXPECT_EQ(lone.play(), workPile(4, 2));
    EXPECT_TRUE(lone.pile(4).empty());
    EXPECT_EQ(lone.play(), workPile(kPersonalSlot, 4));  // the personal pile refills it
}

TEST(ComputerPlayer, TheStockCardIsPlayedOnlyWhenNothingElseMoves) {
    Position p({kJD}, kStuck, {3, 40, 41});
    EXPECT_EQ(p.play(), foundation(kStockSlot, 0));
    EXPECT_EQ(p.pile(kStockSlot).top(), 40);
    // The stock card builds on a work pile of any size: eight of hearts on a built nine of spades.
    Position builds({kJD}, {{k4C}, {33, 40}, {k4C}, {k4C}}, {30, 41});
    EXPECT_EQ(builds.play(), workPile(kStockSlot, 2));
    EXPECT_EQ(builds.pile(2).top(), 30);
    EXPECT_EQ(builds.pile(kStockSlot).top(), 41);
    setPile(p.table.lstPlayer[b + kPersonalSlot], {4});  // now an ace on top: it goes first
    EXPECT_EQ(p.play(), foundation(kPersonalSlot, 1));
}

TEST(ComputerPlayer, WithNoMoveTheStockTurnsByThreeOrAnEmptyOnePasses) {
    for (auto [stock, top] :
         {std::pair{std::vector<CardNumber>{41, 42, 45, 46}, 46}, {{41, 42, 45}, 41}, {{41}, 41}}) {
        Position p({kJD}, kStuck, {});
        for (CardNumber card : stock)
            p.table.lstPlayer[b].addEnd(card);
        EXPECT_EQ(p.play(), kTurn);
        EXPECT_EQ(p.pile(kStockSlot).top(), top);
    }
    Position empty({kJD}, kStuck, {});
    EXPECT_EQ(empty.play(), (ComputerAction{Kind::Pass, kStockSlot, 0}));
    EXPECT_TRUE(empty.pile(kStockSlot).empty());
    EXPECT_EQ(empty.pile(kPersonalSlot).top(), kJD);
    setPile(empty.table.lstPlayer[b + kPersonalSlot], {2, kJD});  // other sources still play
    EXPECT_EQ(empty.play(), foundation(kPersonalSlot, 0));
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
    f.view.shownImages.clear();
    f.game.tick();
    EXPECT_EQ(f.view.shownImages, (std::vector<PileImage>{{ImageKind::Pile, 0}, {ImageKind::Player, b + 5}}));
}

TEST_F(ComputerTurns, TheHumansPilesAndCountsAreNeverTouched) {
    const Table before = f.game.table();
    const auto counts = f.game.controls().counts;
    for (int i = 0; i < 300 && f.view.announcements.empty(); ++i) {
        f.game.tick();
        for (int k = 0; k < 6 && f.view.announcements.empty(); ++k)
            ASSERT_EQ(f.game.table().lstStack[k].top(), before.lstStack[k].top());
        ASSERT_TRUE(!f.view.announcements.empty() || f.game.controls().counts == counts);
    }
}

}  // namespace
}  // namespace zanfel
