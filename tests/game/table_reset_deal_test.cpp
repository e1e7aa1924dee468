#include <gtest/gtest.h>

#include <set>

#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::GameFixture;

std::vector<CardNumber> cardsOf(const PileList* slots) {
    std::vector<CardNumber> cards;
    for (int k = 0; k < kSlotsPerPlayer; ++k)
        for (int i = 0; i < slots[k].count(); ++i) cards.push_back(slots[k].item(i));
    return cards;
}

void expectWaitingTable(const Game& game) {
    const Controls& c = game.controls();
    EXPECT_TRUE(c.dealEnabled);
    EXPECT_FALSE(c.pauseEnabled);
    EXPECT_FALSE(c.pauseChecked);
    EXPECT_FALSE(c.unstuckEnabled);
    EXPECT_FALSE(c.timerEnabled);
    EXPECT_EQ(c.hint, "Click the back of the red deck to deal");
    EXPECT_EQ(c.counts[0], "52");  // although the stock is empty
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(c.counts[k], "0");
    for (int i = 0; i < kImageCount; ++i) {
        const PileImage image = i < 6    ? PileImage{ImageKind::Stack, i}
                                : i < 24 ? PileImage{ImageKind::Player, i - 6}
                                         : PileImage{ImageKind::Pile, i - 24};
        EXPECT_EQ(game.table().cardFor(image), kNoCard);
        EXPECT_EQ(game.shownCard(image), kNoCard);
    }
}

TEST(StartUp, LeavesAnEmptyTableAtNormalWithCountsHidden) {
    GameFixture f;
    expectWaitingTable(f.game);
    EXPECT_EQ(f.game.controls().checkedLevel(), 3);
    EXPECT_EQ(f.game.controls().timerIntervalMs, 1000);
    EXPECT_FALSE(f.game.controls().cardCountChecked);
    EXPECT_EQ(f.view.coloursApplied, 1);
    EXPECT_EQ(f.view.shownImages.size(), static_cast<std::size_t>(kImageCount));
}

TEST(StartUp, AnUnusableSavedColourEndsTheProgram) {
    testing::FakeTableView view;
    testing::ScriptedRandom random;
    Game game(view, random);
    view.game = &game;
    view.colourUsable = false;
    game.startUp();
    EXPECT_TRUE(game.ended());
    EXPECT_EQ(view.programEnds, 1);
    game.deckClicked();
    EXPECT_FALSE(game.controls().timerEnabled);
}

TEST(ResetTable, TwiceIsTheSameAsOnceAndClearsADealtHand) {
    GameFixture f;
    f.game.shuffleAndDeal();
    f.game.pauseCommand();
    f.game.resetTable();
    expectWaitingTable(f.game);
    f.game.resetTable();
    expectWaitingTable(f.game);
}

TEST(Deal, EveryPlayerHoldsADifferentFullDeckInTheDealLayout) {
    GameFixture f({0.3f, 0.9f, 0.1f, 0.5f, 0.7f});
    f.game.shuffleAndDeal();
    const Table& t = f.game.table();
    std::vector<const PileList*> players{t.lstStack.data(), &t.lstPlayer[0], &t.lstPlayer[6], &t.lstPlayer[12]};
    for (const PileList* slots : players) {
        EXPECT_EQ(slots[0].count(), 35);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(slots[k].count(), 1);
        EXPECT_EQ(slots[5].count(), 13);
        const auto cards = cardsOf(slots);
        EXPECT_EQ(std::set<CardNumber>(cards.begin(), cards.end()).size(), 52u);
        EXPECT_EQ(*std::min_element(cards.begin(), cards.end()), 1);
        EXPECT_EQ(*std::max_element(cards.begin(), cards.end()), 52);
    }
    for (CardNumber top : t.pileTop) EXPECT_EQ(top, kNoCard);
}

TEST(Deal, PersonalPileTopIsEntryFiveAndTheStockShowsEntryEighteen) {
    GameFixture f({0.0f});  // every draw on 1: each deck comes out 1..52
    f.game.shuffleAndDeal();
    const Table& t = f.game.table();
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(t.lstStack[k].top(), k);
    EXPECT_EQ(t.lstStack[5].top(), 5);
    EXPECT_EQ(t.lstStack[5].item(12), 17);
    EXPECT_EQ(t.lstStack[0].top(), 18);
    EXPECT_EQ(t.lstStack[0].item(34), 52);
    for (int base : {0, 6, 12}) {
        EXPECT_EQ(f.game.shownCard({ImageKind::Player, base + 5}), 5);
        EXPECT_EQ(f.game.shownCard({ImageKind::Player, base + 0}), 18);
        EXPECT_EQ(f.game.shownCard({ImageKind::Player, base + 2}), 2);
    }
    EXPECT_EQ(f.game.shownCard({ImageKind::Stack, 5}), 5);
    EXPECT_EQ(f.game.shownCard({ImageKind::Stack, 0}), 18);
}

TEST(Deal, StartsTheHandWithItsCommandsAndCounts) {
    GameFixture f;
    f.game.deckClicked();  // between hands the deck deals
    const Controls& c = f.game.controls();
    EXPECT_FALSE(c.dealEnabled);
    EXPECT_TRUE(c.pauseEnabled);
    EXPECT_FALSE(c.pauseChecked);
    EXPECT_TRUE(c.unstuckEnabled);
    EXPECT_TRUE(c.timerEnabled);
    EXPECT_EQ(c.hint, "Click the back of the red deck for 3 more cards");
    const std::array<std::string, 6> counts{"35", "1", "1", "1", "1", "13"};
    EXPECT_EQ(c.counts, counts);
    EXPECT_EQ(f.game.table().lstStack[0].top(), 18);  // the dealing click does not also turn
    f.game.dealCommand();                             // Deal is disabled during a hand
    EXPECT_EQ(f.game.table().lstStack[0].top(), 18);
}

class StockTurn : public ::testing::Test {
protected:
    StockTurn() { f.game.shuffleAndDeal(); }
    PileList& stock() { return f.game.table().lstStack[0]; }
    GameFixture f;
};

TEST_F(StockTurn, ThirtyFiveCardsShowTheFourthAndKeepTheirCount) {
    const CardNumber fourth = stock().item(3);
    const std::size_t before = f.view.shownImages.size();
    f.game.deckClicked();
    EXPECT_EQ(stock().top(), fourth);
    EXPECT_EQ(stock().count(), 35);
    EXPECT_EQ(f.game.shownCard({ImageKind::Stack, 0}), fourth);
    ASSERT_EQ(f.view.shownImages.size(), before + 1);
    EXPECT_EQ(f.view.shownImages.back(), (PileImage{ImageKind::Stack, 0}));
    EXPECT_EQ(f.game.controls().counts[0], "35");
    EXPECT_EQ(f.game.controls().hint, "Click the back of the red deck for 3 more cards");
}

TEST_F(StockTurn, SmallStocksCycle) {
    testing::setPile(stock(), {7});
    f.game.deckClicked();
    EXPECT_EQ(stock().top(), 7);
    testing::setPile(stock(), {7, 9});
    f.game.deckClicked();
    EXPECT_EQ(stock().top(), 9);
    testing::setPile(stock(), {7, 9, 11});
    f.game.deckClicked();
    EXPECT_EQ(stock().top(), 7);
}

TEST_F(StockTurn, AnEmptyStockIgnoresTheClick) {
    stock().clear();
    const std::size_t before = f.view.shownImages.size();
    f.game.deckClicked();
    EXPECT_TRUE(stock().empty());
    EXPECT_EQ(f.view.shownImages.size(), before);
    EXPECT_TRUE(f.game.controls().timerEnabled);
}

TEST_F(StockTurn, APausedClickNeitherTurnsNorDeals) {
    const CardNumber top = stock().top();
    f.game.pauseCommand();
    f.game.deckClicked();
    EXPECT_EQ(stock().top(), top);
    EXPECT_TRUE(f.game.controls().pauseChecked);
    EXPECT_FALSE(f.game.controls().timerEnabled);
}

}  // namespace
}  // namespace zanfel
