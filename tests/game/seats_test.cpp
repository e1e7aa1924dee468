// SPDX-License-Identifier: GPL-3.0-or-later
// People in any seat: the same rules, computers keeping their pace, "No one can play" by asking.
#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {

namespace {

using namespace testing;

const Seat kGuest{SeatKind::Elsewhere, "Ann"};

// Each test lays out the piles itself.
class SeatedHand : public ::testing::Test {
protected:
    SeatedHand() { f.game.deckClicked(); }
    Table& t() { return f.game.tableForSetUp(); }
    PileList& pile(int player, int slot) { return t().pileOf(player, slot); }
    GameFixture f;
};

TEST_F(SeatedHand, APersonAtAnySeatMovesOnlyThatSeatsPilesByTheHumansRules) {
    for (int player : {kMiddlePlayer, kLeftPlayer, kRightPlayer}) {
        f.game.setSeat(player, kGuest);
        setPile(pile(player, kStockSlot), {of(1, H), of(5, S), of(6, C), of(9, D), of(10, H)});
        setPile(pile(player, 2), {of(2, S)});
        setPile(pile(player, 3), {});
        t().pileTop[4] = kNoCard;
        EXPECT_TRUE(f.game.dropOnFoundation(player, kStockSlot, 4)) << player;
        EXPECT_TRUE(f.game.deckClicked(player)) << player;  // turns by three: 5S 6C 9D go under
        EXPECT_EQ(pile(player, kStockSlot).top(), of(10, H));
        EXPECT_TRUE(f.game.dropOnStack(player, 2, 3)) << player;  // anything starts an empty work pile
        setPile(pile(player, 3), {of(2, H)});
        EXPECT_TRUE(f.game.playToFoundation(player, 3)) << player;
        EXPECT_EQ(t().pileTop[4], of(2, H));
        setPile(pile(player, kStockSlot), {});
        EXPECT_FALSE(f.game.deckClicked(player)) << player;  // an empty stock has nothing to turn
        // The seat's own screen is elsewhere: the bottom seat's counts never follow it.
        EXPECT_EQ(f.game.controls().counts[kStockSlot], pile(kHuman, kStockSlot).count());
    }
}

TEST_F(SeatedHand, NobodyMovesAComputerPlayersPilesAndOnlyTheBottomSeatDeals) {
    f.game.setSeat(kLeftPlayer, kGuest);
    setPile(pile(kMiddlePlayer, kPersonalSlot), {of(1, S)});
    EXPECT_FALSE(f.game.playToFoundation(kMiddlePlayer, kPersonalSlot));
    EXPECT_FALSE(f.game.deckClicked(kMiddlePlayer));
    EXPECT_FALSE(f.game.dropOnFoundation(4, kPersonalSlot, 0));  // no such seat
    f.game.setSeat(kHuman, Seat{SeatKind::Computer, {}});        // the bottom seat is always this screen's
    f.game.setSeat(kRightPlayer, Seat{SeatKind::Here, "X"});
    EXPECT_EQ(f.game.seats()[kHuman].kind, SeatKind::Here);
    EXPECT_EQ(f.game.seats()[kRightPlayer].kind, SeatKind::Computer);
    f.game.newGameCommand();
    EXPECT_FALSE(f.game.deckClicked(kLeftPlayer));  // between hands a guest's deck deals nothing
    f.game.deckClicked();
    f.game.pauseCommand();
    setPile(pile(kLeftPlayer, kPersonalSlot), {of(1, S)});
    EXPECT_FALSE(f.game.playToFoundation(kLeftPlayer, kPersonalSlot));  // paused for everyone
}

bool untouched(const Table& before, const Table& after, int player) {
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
        if (before.pileOf(player, slot).count() != after.pileOf(player, slot).count() ||
            before.cardFor(imageOf(player, slot)) != after.cardFor(imageOf(player, slot)))
            return false;
    return true;
}

// Each computer player keeps its pace.
TEST_F(SeatedHand, ATickOnAPersonsSeatPassesAndTheRotationRunsOn) {
    f.game.setSeat(kRightPlayer, kGuest);
    const Table before = t();
    std::vector<int> turns;
    for (int tick = 0; tick < 6; ++tick) {
        f.game.tick();
        turns.push_back(f.game.playerBase());
    }
    EXPECT_EQ(turns, (std::vector{kLeftBase, kRightBase, kMiddleBase, kLeftBase, kRightBase, kMiddleBase}));
    EXPECT_TRUE(untouched(before, t(), kRightPlayer));
    EXPECT_FALSE(untouched(before, t(), kLeftPlayer));
    EXPECT_FALSE(untouched(before, t(), kMiddlePlayer));
    f.game.setSeat(kRightPlayer, Seat{});  // gone: the computer player takes the piles as they lie
    f.game.tick();
    f.game.tick();
    EXPECT_FALSE(untouched(before, t(), kRightPlayer));
}

TEST_F(SeatedHand, NoOneCanPlayTakesEffectOnceEveryPersonElsewhereHasAsked) {
    f.game.setSeat(kMiddlePlayer, kGuest);
    f.game.setSeat(kRightPlayer, kGuest);
    const auto asks = [&] { return f.game.controls().askedNoOneCanPlay; };
    const CardNumber leftStock = pile(kLeftPlayer, kStockSlot).top();
    const auto shifted = [&](int times) {  // by one card each time: the top goes under
        const PileList& stock = pile(kLeftPlayer, kStockSlot);
        return stock.item(stock.count() - times) == leftStock;
    };
    EXPECT_FALSE(f.game.askNoOneCanPlay(kLeftPlayer));  // a computer player asks for nothing
    EXPECT_FALSE(f.game.askNoOneCanPlay(kHuman));       // the host chooses the command instead
    EXPECT_TRUE(f.game.askNoOneCanPlay(kMiddlePlayer));
    EXPECT_EQ(asks(), (std::array{false, true, false, false}));
    setPile(pile(kRightPlayer, kPersonalSlot), {of(1, D), of(2, D)});
    f.game.playToFoundation(kRightPlayer, kPersonalSlot);  // a card moved: everyone asks afresh
    f.game.askNoOneCanPlay(kRightPlayer);
    f.game.deckClicked(kHuman);  // turning the stock moves no card anywhere: the ask stands
    EXPECT_EQ(pile(kLeftPlayer, kStockSlot).top(), leftStock);
    f.game.setSeat(kMiddlePlayer, Seat{});  // the one who had not asked leaves: the rest have
    EXPECT_TRUE(shifted(1));
    EXPECT_EQ(asks(), (std::array{false, false, false, false}));
    f.game.askNoOneCanPlay(kRightPlayer);  // the one person elsewhere left asks: done at once
    EXPECT_TRUE(shifted(2));
    f.game.setSeat(kRightPlayer, Seat{});  // nobody elsewhere is left, and nobody's ask counts
    f.game.noOneCanPlayCommand();          // the host's own choice needs no one's ask
    EXPECT_TRUE(shifted(3));
}

// A stuck computer passes, so the asks stand; after New Game they count for nothing, nor before the deal.
TEST_F(SeatedHand, AsksForNoOneCanPlayGoWithTheHand) {
    f.game.setSeat(kMiddlePlayer, kGuest);
    f.game.setSeat(kRightPlayer, kGuest);
    f.game.askNoOneCanPlay(kMiddlePlayer);
    setPile(pile(kLeftPlayer, kStockSlot), {});  // the left moves next: no stock, a king no pile takes
    setPile(pile(kLeftPlayer, kPersonalSlot), {of(13, H)});
    for (int slot = kFirstWorkSlot; slot <= kLastWorkSlot; ++slot)
        setPile(pile(kLeftPlayer, slot), {of(2, S)});
    f.game.tick();
    EXPECT_EQ(f.game.controls().askedNoOneCanPlay, (std::array{false, true, false, false}));
    f.game.newGameCommand();
    EXPECT_FALSE(f.game.askNoOneCanPlay(kRightPlayer));
    EXPECT_EQ(f.game.controls().askedNoOneCanPlay, (std::array{false, false, false, false}));
}

// Announced and recorded by seat; the hand, and so the game, kept apart from the levels.
TEST_F(SeatedHand, GoingOutFromAnySeatEndsTheHandAndPlayWithPeopleElsewhereIsRecordedApart) {
    f.game.setSeat(kRightPlayer, kGuest);
    setPile(pile(kRightPlayer, kPersonalSlot), {of(1, C)});
    setPile(pile(kRightPlayer, 1), {});
    f.game.dropOnStack(kRightPlayer, kPersonalSlot, 1);
    f.game.setSeat(kRightPlayer, Seat{});
    f.game.deckClicked();
    humanGoesOut(f.game);  // the guest has left: this hand is alone, the game is not
    EXPECT_EQ(f.view.announced, (std::vector{kRightPlayer, kHuman}));
    EXPECT_EQ(f.view.recorded.front().wentOut, kRightPlayer);
    EXPECT_EQ(f.view.record.withPeopleElsewhere.handsPlayed, 1);
    EXPECT_EQ(f.view.record.level(kNormalLevel).handsPlayed, 1);
    for (int hand = 2; hand <= 4; ++hand) {  // 52 a hand from -26: past 99 with the fourth
        f.game.deckClicked();
        humanGoesOut(f.game);
    }
    EXPECT_EQ(f.view.record.withPeopleElsewhere.gamesPlayed, 1);
    EXPECT_EQ(f.view.record.level(kNormalLevel).gamesPlayed, 0);
}

}  // namespace
}  // namespace zanfel
