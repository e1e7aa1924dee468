#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::setPile;

// A dealt hand whose human piles each test lays out for itself.
class HumanMoves : public ::testing::Test {
protected:
    HumanMoves() {
        f.game.shuffleAndDeal();
        for (int k = 0; k < kSlotsPerPlayer; ++k)
            setPile(pile(k), {});
        f.view.shownImages.clear();
    }
    Table& t() { return f.game.table(); }
    PileList& pile(int slot) { return t().lstStack[slot]; }
    testing::GameFixture f;
};

struct Placement {
    CardNumber card;
    CardNumber top;  // 0: an empty pile
    bool taken;
};

// Aces start empty foundations only; then the next card of the same suit, and nothing on a king.
TEST_F(HumanMoves, AFoundationTakesAnAceWhenEmptyThenOnlyTheNextCardOfItsSuit) {
    const Placement cases[] = {{1, 0, true},   {4, 0, true},   {5, 0, false},  {2, 6, false},
                               {10, 6, true},  {10, 5, false}, {10, 8, false}, {10, 14, false},
                               {1, 49, false}, {52, 48, true}, {50, 52, false}};
    for (const auto& [card, top, taken] : cases) {
        setPile(pile(5), {card, 40});
        t().pileTop[7] = top;
        f.game.dropOnFoundation(5, 7);
        EXPECT_EQ(t().pileTop[7], taken ? card : top) << card << " on " << top;
        EXPECT_EQ(pile(5).top(), taken ? 40 : card) << card << " on " << top;
    }
}

// Building down in alternating colours; any card, a king included, starts an empty work pile.
TEST_F(HumanMoves, AWorkPileTakesTheNextRankDownInTheOtherColourOrAnyCardWhenEmpty) {
    const Placement cases[] = {{30, 33, true},  {30, 35, true},  {30, 34, false}, {30, 36, false},
                               {30, 37, false}, {30, 25, false}, {4, 5, true},    {4, 7, true},
                               {1, 6, true},    {1, 8, true},    {49, 0, true},   {5, 0, true},
                               {49, 50, false}};
    for (const auto& [card, top, taken] : cases) {
        setPile(pile(0), {card, 40});
        top ? setPile(pile(3), {top, 44}) : setPile(pile(3), {});
        f.game.dropOnStack(0, 3);
        EXPECT_EQ(pile(3).count(), (top ? 2 : 0) + (taken ? 1 : 0)) << card << " on " << top;
        EXPECT_EQ(pile(0).top(), taken ? 40 : card) << card << " on " << top;
    }
}

// The stock and the personal pile take nothing, though the card would build on them; a card
// never goes back on its own pile; an empty pile gives nothing; no move is made while paused,
// even one that fits; and there is no pile past the sixth.
TEST_F(HumanMoves, RefusedDropsChangeNothingAndShowNothing) {
    setPile(pile(0), {33});
    setPile(pile(1), {30});
    setPile(pile(2), {30, 33});
    setPile(pile(4), {1});
    setPile(pile(5), {35});
    f.game.dropOnStack(1, 0);
    f.game.dropOnStack(1, 5);
    f.game.dropOnStack(2, 2);
    f.game.dropOnStack(3, 1);
    f.game.dropOnFoundation(3, 0);
    f.game.pauseCommand();
    f.game.dropOnStack(1, 3);
    f.game.dropOnFoundation(4, 0);
    f.game.playToFoundation(4);
    f.game.pauseCommand();
    f.game.dropOnStack(0, 6);
    f.game.dropOnFoundation(6, 0);
    EXPECT_TRUE(f.view.shownImages.empty());  // any move shows the piles it changed
    EXPECT_EQ(t().pileTop[0], 0);
    // Unlike a computer player, the human may take the top card off a built work pile.
    f.game.dropOnStack(2, 3);
    EXPECT_EQ(pile(3).top(), 30);
}

// The personal pile's last card, to a foundation or to a work pile, ends the hand; a card
// still in the air then, and the deck, change nothing.
TEST_F(HumanMoves, ThePersonalPilesLastCardGoesOut) {
    f.view.whileAnnouncing = [&] {
        f.game.dropOnFoundation(0, 1);
        f.game.deckClicked();
        EXPECT_EQ(pile(0).top(), 4);
    };
    for (bool toFoundation : {true, false}) {
        setPile(pile(5), {3});
        setPile(pile(0), {4});
        setPile(pile(1), {6});
        toFoundation ? f.game.playToFoundation(5) : f.game.dropOnStack(5, 1);
        EXPECT_EQ(f.view.announcements.size(), toFoundation ? 1u : 2u);
        f.game.deckClicked();
    }
}

// A double-click plays to the lowest foundation that takes the card, and nowhere else.
TEST_F(HumanMoves, ADoubleClickPlaysToTheLowestFoundationThatTakesTheCard) {
    t().pileTop = {5, 0, 6, 0, 6};
    setPile(pile(2), {3, 10, 9, 44});
    for (int i = 0; i < 4; ++i)
        f.game.playToFoundation(2);
    // The ace of clubs to the lowest empty foundation, the three of hearts onto the two on 2
    // and the three of spades onto the two on 0; the jack of diamonds fits nowhere.
    EXPECT_EQ((std::vector<CardNumber>(t().pileTop.begin(), t().pileTop.begin() + 5)),
              (std::vector<CardNumber>{9, 3, 10, 0, 6}));
    EXPECT_EQ(pile(2).top(), 44);
}

// "No one can play" moves every stock on by one card: the computer players' in the order of
// their bases, then the human's. An empty stock is passed over. It works while paused.
TEST_F(HumanMoves, NoOneCanPlayShiftsEveryStockByOneCard) {
    setPile(t().lstPlayer[kMiddleBase], {7});
    setPile(t().lstPlayer[kLeftBase], {});
    setPile(t().lstPlayer[kRightBase], {7, 9, 11});
    setPile(pile(0), {7, 9, 11, 13, 15});
    f.game.pauseCommand();
    f.game.noOneCanPlayCommand();
    EXPECT_EQ(f.view.shownImages,
              (std::vector<PileImage>{
                  {ImageKind::Player, kMiddleBase}, {ImageKind::Player, kRightBase}, {ImageKind::Stack, 0}}));
    EXPECT_EQ(t().lstPlayer[kRightBase].top(), 9);
    EXPECT_EQ(pile(0).item(4), 7);
    f.game.noOneCanPlayCommand();
    f.game.noOneCanPlayCommand();  // three times is one ordinary turn
    EXPECT_EQ(pile(0).top(), 13);
}

}  // namespace
}  // namespace zanfel
