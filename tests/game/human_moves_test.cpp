#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::setPile;
using Cards = std::initializer_list<CardNumber>;

// A dealt hand whose human piles and foundations each test lays out for itself.
class HumanMoves : public ::testing::Test {
protected:
    HumanMoves() {
        f.game.shuffleAndDeal();
        for (int k = 0; k < kSlotsPerPlayer; ++k)
            setPile(t().lstStack[k], {});
        f.view.shownImages.clear();
    }
    Table& t() { return f.game.table(); }
    PileList& pile(int slot) { return t().lstStack[slot]; }
    // The human's piles and the foundation tops, for comparing before and after a refusal.
    std::string position() {
        std::string text;
        for (const PileList& list : t().lstStack) {
            for (int i = 0; i < list.count(); ++i)
                text += std::to_string(list.item(i)) + ",";
            text += "|";
        }
        for (CardNumber top : t().pileTop)
            text += std::to_string(top) + ",";
        return text;
    }
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
        SCOPED_TRACE(std::to_string(card) + " on " + std::to_string(top));
        setPile(pile(5), {card, 40});
        t().pileTop[7] = top;
        f.game.dropOnFoundation(5, 7);
        EXPECT_EQ(t().pileTop[7], taken ? card : top);
        EXPECT_EQ(pile(5).top(), taken ? 40 : card);
    }
}

// Building down in alternating colours; any card, a king included, starts an empty work pile.
TEST_F(HumanMoves, AWorkPileTakesTheNextRankDownInTheOtherColourOrAnyCardWhenEmpty) {
    const Placement cases[] = {{30, 33, true},  {30, 35, true},  {30, 34, false}, {30, 36, false},
                               {30, 37, false}, {30, 25, false}, {4, 5, true},    {4, 7, true},
                               {1, 6, true},    {1, 8, true},    {49, 0, true},   {5, 0, true},
                               {49, 50, false}};
    for (const auto& [card, top, taken] : cases) {
        SCOPED_TRACE(std::to_string(card) + " on " + std::to_string(top));
        setPile(pile(0), {card, 40});
        top ? setPile(pile(3), {top, 44}) : setPile(pile(3), {});
        f.game.dropOnStack(0, 3);
        EXPECT_EQ(pile(3).count(), (top ? 2 : 0) + (taken ? 1 : 0));
        EXPECT_EQ(pile(0).top(), taken ? 40 : card);
    }
}

// The stock and the personal pile take nothing; a card never goes back on its own pile; an
// empty pile gives nothing; and nothing moves while paused, even a move that fits.
TEST_F(HumanMoves, RefusedDropsChangeNothingAndShowNothing) {
    setPile(pile(0), {30});
    setPile(pile(1), {33});
    setPile(pile(2), {30, 33});
    setPile(pile(5), {1});
    const std::string before = position();
    f.game.dropOnStack(1, 0);
    f.game.dropOnStack(1, 5);
    f.game.dropOnStack(2, 2);
    f.game.dropOnStack(3, 4);       // work pile 3 is empty
    f.game.dropOnFoundation(4, 0);  // and so is 4
    f.game.pauseCommand();
    f.game.dropOnStack(0, 1);
    f.game.dropOnFoundation(5, 0);
    f.game.playToFoundation(5);
    f.game.pauseCommand();
    f.game.dropOnStack(0, 7);  // no such pile
    f.game.dropOnFoundation(9, 0);
    EXPECT_EQ(position(), before);
    EXPECT_TRUE(f.view.shownImages.empty());
}

// Unlike a computer player, the human may take the top card off a built work pile.
TEST_F(HumanMoves, TheTopOfABuiltWorkPileMovesAndTheCardBeneathComesIntoView) {
    setPile(pile(1), {30, 33, 36});
    setPile(pile(2), {35});
    f.game.dropOnStack(1, 2);
    EXPECT_EQ(pile(1).top(), 33);
    EXPECT_EQ(f.view.shownImages, (std::vector<PileImage>{{ImageKind::Stack, 2}, {ImageKind::Stack, 1}}));
}

// The personal pile's last card, to a foundation or to a work pile, ends the hand.
TEST_F(HumanMoves, ThePersonalPilesLastCardGoesOut) {
    for (bool toFoundation : {true, false}) {
        if (!toFoundation) {
            f.game.shuffleAndDeal();
            setPile(pile(1), {});
        }
        setPile(pile(5), {3});
        setPile(pile(0), {4});
        f.view.whileAnnouncing = [&] {
            // A card still in the air when the hand ends, and the deck, change nothing now.
            f.game.dropOnFoundation(0, 1);
            f.game.deckClicked();
            EXPECT_EQ(pile(0).top(), 4);
        };
        toFoundation ? f.game.playToFoundation(5) : f.game.dropOnStack(5, 1);
        ASSERT_EQ(f.view.announcements.size(), toFoundation ? 1u : 2u);
        EXPECT_EQ(f.view.announcements.back().caption, "You won this hand !!");
    }
}

// A computer player's move is there for the human's next drop to be tested against.
TEST_F(HumanMoves, ADropMeetsTheFoundationAsAComputerPlayerLeftIt) {
    setPile(t().lstPlayer[kLeftBase + kPersonalSlot], {2, 40});
    while (f.game.playerBase() != kMiddleBase)
        f.game.tick();
    f.game.tick();  // the left player's ace of hearts goes to foundation 0
    ASSERT_EQ(t().pileTop[0], 2);
    setPile(pile(5), {2, 6, 40});
    f.game.dropOnFoundation(5, 0);
    EXPECT_EQ(t().pileTop[0], 2);
    f.game.playToFoundation(5);  // the second ace of hearts opens foundation 1
    EXPECT_EQ(t().pileTop[1], 2);
    f.game.dropOnFoundation(5, 0);
    EXPECT_EQ(t().pileTop[0], 6);
}

// A double-click plays to the lowest foundation that takes the card, and nowhere else.
TEST_F(HumanMoves, ADoubleClickPlaysToTheLowestFoundationThatTakesTheCard) {
    t().pileTop = {5, 0, 6, 0, 6};
    setPile(pile(2), {3, 10, 9});
    f.game.playToFoundation(2);  // the ace of clubs: the lowest empty foundation
    f.game.playToFoundation(2);  // the three of hearts: the two of hearts on foundation 2
    f.game.playToFoundation(2);  // the three of spades: the two of spades on foundation 0
    EXPECT_EQ(t().pileTop[1], 3);
    EXPECT_EQ(t().pileTop[2], 10);
    EXPECT_EQ(t().pileTop[0], 9);
    setPile(pile(3), {44});
    f.game.playToFoundation(3);  // the jack of diamonds fits nowhere
    EXPECT_EQ(pile(3).top(), 44);
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
