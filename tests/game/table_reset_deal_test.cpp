#include <gtest/gtest.h>

#include <tuple>

#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::GameFixture;

// Start-up leaves the waiting table at Normal with the counts hidden; a reset of a paused
// hand brings back the dealing hint.
TEST(ResetTable, StartUpAndEveryResetLeaveTheWaitingTable) {
    GameFixture f;
    EXPECT_EQ(f.game.controls().checkedLevel(), 3);
    EXPECT_EQ(f.game.controls().timerIntervalMs, 1000);
    EXPECT_FALSE(f.game.controls().cardCountChecked);
    EXPECT_EQ(f.view.coloursApplied, 1);
    f.game.shuffleAndDeal();
    f.game.pauseCommand();
    f.game.resetTable();
    EXPECT_EQ(f.game.controls().hint, "Click the back of the red deck to deal");
}

TEST(StartUp, AnUnusableSavedColourEndsTheProgramThereAndAtNewGame) {
    for (bool atNewGame : {false, true}) {
        testing::FakeTableView view;
        testing::ScriptedRandom random;
        Game game(view, random);
        view.colourUsable = atNewGame;  // fails at start-up, or only later
        game.startUp();
        if (atNewGame) {
            game.deckClicked();
            view.colourUsable = false;
            game.newGameCommand();
        }
        EXPECT_TRUE(game.ended());
        EXPECT_EQ(view.programEnds, 1);
        game.dealCommand();
        EXPECT_FALSE(game.controls().timerEnabled);
    }
}

// Each deck is drawn from its own place, so a deck dealt to the wrong player or in the wrong
// order shows: the human's first (from 1), then the middle, left and right players' (2, 3, 4).
TEST(Deal, DealsTheHumanFirstThenTheComputerPlayersByBaseIntoTheDealLayout) {
    GameFixture f(testing::decksFrom({1, 2, 3, 4}));
    f.game.deckClicked();  // between hands the deck deals, and does not also turn
    const Table& t = f.game.table();
    const auto entry = [](int first, int i) { return (first + i - 2) % 52 + 1; };  // DealOrder(i)
    for (auto [kind, base, first] : {std::tuple{ImageKind::Stack, 0, 1},
                                     {ImageKind::Player, kMiddleBase, 2},
                                     {ImageKind::Player, kLeftBase, 3},
                                     {ImageKind::Player, kRightBase, 4}}) {
        SCOPED_TRACE(first);
        const PileList* slots = kind == ImageKind::Stack ? t.lstStack.data() : &t.lstPlayer[base];
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(slots[k].count(), k == 0 ? 35 : k == 5 ? 13 : 1);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(f.game.shownCard({kind, base + k}), entry(first, k));
        EXPECT_EQ(f.game.shownCard({kind, base + 5}), entry(first, 5));
        EXPECT_EQ(slots[5].item(12), entry(first, 17));
        EXPECT_EQ(f.game.shownCard({kind, base + 0}), entry(first, 18));
        EXPECT_EQ(slots[0].item(34), entry(first, 52));
    }
    EXPECT_EQ(f.game.controls().hint, "Click the back of the red deck for 3 more cards");
    f.game.dealCommand();  // Deal is disabled during a hand
    EXPECT_EQ(t.lstStack[1].top(), 1);
}

class StockTurn : public ::testing::Test {
protected:
    StockTurn() { f.game.shuffleAndDeal(); }
    PileList& stock() { return f.game.table().lstStack[0]; }
    CardNumber topAfterTurning(std::initializer_list<CardNumber> cards) {
        testing::setPile(stock(), cards);
        f.game.deckClicked();
        return stock().top();
    }
    GameFixture f;
};

TEST_F(StockTurn, TurnsByThreeShowingOnlyTheNewFaceUpCard) {
    const CardNumber fourth = stock().item(3);
    f.view.shownImages.clear();
    f.game.deckClicked();
    EXPECT_EQ(stock().top(), fourth);
    EXPECT_EQ(f.view.shownImages, (std::vector<PileImage>{{ImageKind::Stack, 0}}));
    EXPECT_EQ(topAfterTurning({7}), 7);
    EXPECT_EQ(topAfterTurning({7, 9}), 9);
    EXPECT_EQ(topAfterTurning({7, 9, 11}), 7);
}

TEST_F(StockTurn, AnEmptyOrPausedStockIgnoresTheClick) {
    const CardNumber top = stock().top();
    f.game.pauseCommand();
    f.game.deckClicked();  // neither turns nor deals, though the timer is off
    EXPECT_EQ(stock().top(), top);
    f.game.pauseCommand();
    stock().clear();
    f.view.shownImages.clear();
    f.game.deckClicked();
    EXPECT_TRUE(stock().empty());
    EXPECT_TRUE(f.view.shownImages.empty());
}

}  // namespace
}  // namespace zanfel
