// SPDX-License-Identifier: GPL-3.0-or-later
// A game as the window drives it, against a recording screen.
#include <gtest/gtest.h>

#include <tuple>

#include "fake_table_view.h"

namespace zanfel {

namespace {

using namespace testing;
using enum ImageKind;

// At start-up, or at New Game in a hand: either way the program ends and nothing runs after.
TEST(StartUp, AnUnusableSavedColourEndsTheProgramThereAndAtNewGame) {
    for (bool usableAtStart : {false, true}) {
        GameFixture f(kDecksInOrder, usableAtStart);
        f.game.deckClicked();
        f.view.colourUsable = false;
        f.game.newGameCommand();
        f.game.dealCommand();
        const auto end = std::tuple(f.game.ended(), f.view.programEnds, f.game.controls().timerEnabled);
        EXPECT_EQ(end, std::tuple(true, 1, false)) << usableAtStart;  // ended, once, the players stopped
    }
}

// Levels set mark and pace; Reset: colour, then counts hide.
TEST(Options, LevelsSetThePaceAndResetOptionsLeavesThemAndTheHand) {
    GameFixture f;
    const Controls& c = f.game.controls();
    const auto options = [&] { return std::tuple(c.checkedLevel(), c.timerIntervalMs, c.cardCountChecked); };
    f.game.pauseCommand();  // nothing to pause between hands
    EXPECT_FALSE(c.pauseChecked);
    f.game.deckClicked();
    for (int level = 1; level <= 5; ++level) {
        f.game.levelCommand(level);
        EXPECT_EQ(options(), std::tuple(level, std::array{3000, 2000, 1000, 500, 100}[level - 1], false));
    }
    f.game.cardCountCommand();
    f.game.resetOptionsCommand();
    f.game.resetOptionsCommand();  // the counts stay hidden when they already were
    EXPECT_EQ(f.view.countMarkAtColourResets, (std::vector<bool>{true, false}));
    EXPECT_EQ(options(), std::tuple(5, 100, false));
    EXPECT_TRUE(c.timerEnabled);  // the hand runs on
    f.game.pauseCommand();
    f.game.newGameCommand();  // a paused hand abandoned: the deal hint is back
    EXPECT_EQ(c.hint, Hint::Deal);
}

// Each deck draws from its own place (human 1, then middle, left, right 2..4), one draw per card: a shuffle
// drawing again on a taken place runs the script dry; one not probing up, 52 wrapping to 1, misorders.
TEST(Deal, DealsTheHumanFirstThenTheComputerPlayersByBaseIntoTheDealLayout) {
    GameFixture f(decksFrom({1, 2, 3, 4}));
    f.game.deckClicked();  // between hands the deck deals, and does not also turn
    f.game.dealCommand();  // disabled during a hand: a second deal would run the script dry
    const Table& t = f.game.table();
    // Each slot's deal entries, top first: the work piles, the personal pile, the stock.
    const std::tuple<int, int, int> layout[] = {{1, 1, 1}, {2, 2, 2},  {3, 3, 3},
                                                {4, 4, 4}, {5, 5, 17}, {0, 18, 52}};
    for (auto [slots, first] : {std::pair{t.lstStack.data(), 1},
                                {&t.lstPlayer[kMiddleBase], 2},
                                {&t.lstPlayer[kLeftBase], 3},
                                {&t.lstPlayer[kRightBase], 4}}) {
        const auto entry = [first](int i) { return (first + i - 2) % 52 + 1; };
        for (auto [k, top, last] : layout) {
            EXPECT_EQ(slots[k].top(), entry(top)) << first << "/" << k;
            EXPECT_EQ(slots[k].item(slots[k].count() - 1), entry(last)) << first << "/" << k;
        }
    }
}

// Left, right, middle, as the seats' test has it; the next hand goes on where the last stopped.
TEST(ComputerTurns, TheRotationCarriesOverHands) {
    GameFixture f;
    f.game.deckClicked();
    f.game.tick();
    f.game.newGameCommand();
    f.game.deckClicked();
    f.game.tick();
    EXPECT_EQ(f.game.playerBase(), kRightBase);
}

// The human's piles start empty: each test lays out its own.
class DealtHand : public ::testing::Test {
protected:
    DealtHand() {
        f.game.deckClicked();
        for (int k = 0; k < kSlotsPerPlayer; ++k)
            setPile(pile(k), {});
        f.view.shownImages.clear();
    }
    Table& t() { return f.game.tableForSetUp(); }
    PileList& pile(int slot) { return t().lstStack[slot]; }
    // By slot from the stock, top card first.
    void lay(std::initializer_list<std::initializer_list<CardNumber>> piles) {
        int slot = 0;
        for (auto cards : piles)
            setPile(pile(slot++), cards);
    }
    GameFixture f;
};

// A top of 0 is an empty pile; random play refuses every other foundation step.
TEST_F(DealtHand, EachDropTakesOnlyACardThatFits) {
    constexpr bool F = true, W = false;  // onto a foundation, onto a work pile
    const std::tuple<bool, CardNumber, CardNumber, bool> cases[] = {
        {F, of(1, S), 0, true},          {F, of(1, D), 0, true},          {F, of(3, H), of(2, H), true},
        {F, of(13, D), of(12, D), true}, {F, of(3, H), of(2, S), false},  {W, of(8, H), of(9, S), true},
        {W, of(8, H), of(9, C), true},   {W, of(8, H), of(9, H), false},  {W, of(8, H), of(9, D), false},
        {W, of(8, H), of(10, S), false}, {W, of(8, H), of(7, S), false},  {W, of(1, D), of(2, S), true},
        {W, of(1, D), of(2, C), true},   {W, of(1, S), of(2, H), true},   {W, of(1, S), of(2, D), true},
        {W, of(13, S), 0, true},         {W, of(13, S), of(13, H), false}};
    for (auto [onFoundation, card, top, taken] : cases) {
        setPile(pile(0), {card, of(10, D)});
        if (onFoundation) {
            t().pileTop[7] = top;
            f.game.dropOnFoundation(0, 7);
            EXPECT_EQ(t().pileTop[7], taken ? card : top) << card << " on " << top;
        } else {
            setPile(pile(3), {});
            if (top != kNoCard)
                setPile(pile(3), {top, of(11, D)});
            f.game.dropOnStack(0, 3);
            EXPECT_EQ(pile(3).count(), (top ? 2 : 0) + taken) << card << " on " << top;
        }
        EXPECT_EQ(pile(0).top(), taken ? of(10, D) : card) << card << " on " << top;
    }
}

// Onto the stock or personal pile even if it builds, its own pile, from an empty one, paused, past pile six.
TEST_F(DealtHand, RefusedDropsChangeNothingAndShowNothing) {
    lay({{of(9, S)}, {of(8, H)}, {of(8, H), of(9, S)}, {}, {of(1, S)}, {of(9, C)}});
    for (auto [from, to] : {std::pair{1, 0}, {1, 5}, {2, 2}, {3, 1}, {0, 6}})
        f.game.dropOnStack(from, to);
    f.game.dropOnFoundation(3, 0);
    f.game.dropOnFoundation(6, 0);
    EXPECT_FALSE(f.game.placesTaking(3).stack[3]);  // nor is a place offered for it
    f.game.pauseCommand();
    f.game.dropOnStack(1, 3);
    EXPECT_FALSE(f.game.placesTaking(1).stack[3]);  // nor is a place offered while paused
    f.game.dropOnFoundation(4, 0);
    f.game.playToFoundation(4);
    f.game.pauseCommand();
    EXPECT_TRUE(f.view.shownImages.empty());  // any move shows the piles it changed
    // Unlike a computer player, the human may take the top card off a built work pile.
    f.game.dropOnStack(2, 3);
    EXPECT_EQ(pile(3).top(), of(8, H));
}

// Once it is out, a card still in the air, the deck and No one can play change nothing.
TEST_F(DealtHand, ThePersonalPilesLastCardGoesOut) {
    f.view.whileAnnouncing = [&] {
        f.game.dropOnFoundation(0, 1);
        f.game.deckClicked();
        f.game.noOneCanPlayCommand();
        EXPECT_EQ(pile(0).top(), of(1, D));
    };
    lay({{of(1, D), of(5, S)}, {}, {}, {}, {}, {of(1, C)}});
    f.game.playToFoundation(5);
    EXPECT_EQ(f.view.announced.size(), 1u);
}

TEST_F(DealtHand, ADoubleClickReachesTheLastFoundation) {
    t().pileTop.fill(of(13, S));  // every foundation closed but the last
    t().pileTop[kFoundations - 1] = 0;
    setPile(pile(2), {of(1, H)});
    f.game.playToFoundation(2);
    EXPECT_EQ(t().pileTop[kFoundations - 1], of(1, H));
}

// Computers in base order, the human last; empties skipped; paused too.
TEST_F(DealtHand, NoOneCanPlayShiftsEveryStockByOneCard) {
    setPile(t().lstPlayer[kMiddleBase], {of(2, C)});
    setPile(t().lstPlayer[kLeftBase], {});
    setPile(t().lstPlayer[kRightBase], {of(2, C), of(3, S), of(3, C)});
    setPile(pile(0), {of(2, C), of(3, S), of(3, C), of(4, S), of(4, C)});
    f.game.pauseCommand();
    f.game.noOneCanPlayCommand();
    EXPECT_EQ(f.view.shownImages,
              (std::vector<PileImage>{{Player, kMiddleBase}, {Player, kRightBase}, {Stack, 0}}));
    EXPECT_EQ(t().lstPlayer[kRightBase].top(), of(3, S));
}

// The hint goes back before the announcement.
TEST_F(DealtHand, GoingOutAnnouncesThenScoresAndOkAtTheEndOfAGameStartsANewOne) {
    f.view.whileAnnouncing = [&] { EXPECT_EQ(f.game.controls().hint, Hint::Deal); };
    humanGoesOut(f.game);  // with every card played: 52, and -26 for the others
    f.game.deckClicked();
    humanGoesOut(f.game);             // 104: the game is over, and OK asks for another
    EXPECT_EQ(f.view.sheetHides, 1);  // the sheet closed,
    f.game.scoreCommand();            // and a new game has nothing scored yet
    EXPECT_EQ(f.view.sheetsShown.size(), 2u);
}

// The human goes out holding 51 cards (1), nobody else played: -26 all round, so no total passes 99.
TEST(Scores, TheTwentyFirstHandIsKeptLikeAnyOther) {
    GameFixture f;
    for (int hand = 1; hand <= 21; ++hand) {
        f.game.deckClicked();
        if (hand < 21)
            humanGoesOut(f.game, 51);
    }
    f.game.tableForSetUp().lstPlayer[kLeftBase].removeFirst();  // the left player got one card out
    humanGoesOut(f.game, 51);
    const ScoreSheetFigures& sheet = f.game.scoreSheet();
    EXPECT_EQ(std::tuple(sheet.handsListed, sheet.totals[kHuman], sheet.totals[kLeftPlayer]),
              std::tuple(21, 21, -26 * 20 - 25));
    EXPECT_TRUE(f.view.questions.empty());
}

// The hand ends once the Score sheet's showing returns, then its own sheet. Emptied personal piles framed.
TEST_F(DealtHand, AHandEndingUnderTheScoreSheetClosesItBeforeTheAnnouncement) {
    humanGoesOut(f.game);
    f.game.deckClicked();
    setPile(t().lstPlayer[kLeftBase + kPersonalSlot], {of(1, S)});  // no one has moved: the left is next
    f.view.whileSheetOpen = [&] {
        f.game.tick();
        EXPECT_EQ(f.view.sheetHides, 1);
        EXPECT_EQ(f.view.announced.size(), 1u);  // not yet: the sheet is still closing
        f.game.tick();                           // a stray tick moves no one
        EXPECT_EQ(f.game.playerBase(), kLeftBase);
    };
    f.game.scoreCommand();
    EXPECT_EQ(f.view.announced.size(), 2u);
    EXPECT_EQ(f.view.sheetsShown.size(), 3u);  // the hand's, the Score command's, the hand's
    EXPECT_EQ(f.view.goingOutMarks,
              (std::vector<PileImage>{{Stack, kPersonalSlot}, {Player, kLeftBase + kPersonalSlot}}));
}

// Game 1 counts at its first hand's Super Easy; the ending hand counts before its sheet closes, so no
// answer to the question loses it. A hand given up by New Game or Exit counts nowhere.
TEST(Record, HandsAndGamesAreCountedAsTheyEnd) {
    GameFixture f;
    Table& t = f.game.tableForSetUp();
    // Plays cards: personal pile down to `personalLeft`, other five all or none; all scores 52, none -26.
    const auto play = [&](int player, int personalLeft, bool others) {
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
            PileList& list =
                player == kHuman ? t.lstStack[slot] : t.lstPlayer[(player - 1) * kSlotsPerPlayer + slot];
            while (slot == kPersonalSlot ? list.count() > personalLeft : others && !list.empty())
                list.removeFirst();
        }
    };
    f.game.levelCommand(1);
    f.game.deckClicked();
    humanGoesOut(f.game);  // 52 to -26 at Super Easy
    f.game.levelCommand(4);
    // Game 1 won alone, then game 2 won on a shared 104.
    for (int hand = 2; hand <= 4; ++hand) {
        f.game.deckClicked();
        play(hand == 2 ? kLeftPlayer : kRightPlayer, 0, true);
        humanGoesOut(f.game);  // the hand's 52 shared
    }
    f.game.deckClicked();
    play(kLeftPlayer, 1, true);
    humanGoesOut(f.game, 39);  // out with 13, beaten by 49
    f.game.deckClicked();
    while (f.game.playerBase() != kMiddleBase)  // the left player moves next
        f.game.tick();
    play(kLeftPlayer, 0, true);
    t.lstPlayer[kLeftBase + kPersonalSlot].addEnd(of(1, S));
    f.view.whileSheetOpen = [&] { EXPECT_EQ(f.view.record.level(4).gamesPlayed, 2); };
    f.game.tick();  // the left player goes out: game 3 lost, -13 to 101
    f.game.deckClicked();
    f.game.newGameCommand();
    f.game.deckClicked();
    f.view.whileAnnouncing = [&] { f.game.exitCommand(); };
    humanGoesOut(f.game);
    EXPECT_EQ(f.view.record.level(1), (LevelRecord{1, 1, 1, 52, 1, 1, 104, 1, 1}));
    EXPECT_EQ(f.view.record.level(4), (LevelRecord{5, 4, 3, 52, 2, 1, 104, 0, 1}));
    for (int level : {2, 3, 5})
        EXPECT_EQ(f.view.record.level(level), LevelRecord{}) << level;
    LevelRecord first;  // a first hand below 0 is its level's best
    countHand(first, {-26, 52, -26, -26}, kMiddlePlayer);
    EXPECT_EQ(first.bestHandScore, -26);
}

// Nines on the work piles, 3S personal: only the stock could help. Four stock cards come round in four
// turns; No one can play brings others up. Three stock cards, moved on by one, come round in one turn showing
// only the five (8H stays under).
TEST_F(DealtHand, TheHumanIsStuckOnceTheStockHasComeRoundWithNothingAnywhere) {
    lay({{of(5, S), of(5, C), of(6, S), of(2, D)}, {}, {}, {}, {}, {of(3, S)}});
    for (auto [slot, suit] : {std::pair{1, S}, {2, C}, {3, H}, {4, D}})
        setPile(pile(slot), {of(9, suit)});
    const bool& stuck = f.game.controls().stuck;
    const auto stuckAfterTurns = [&](int turns) {
        std::vector<bool> seen;
        for (int i = 0; i < turns; ++i) {
            f.game.deckClicked();
            seen.push_back(stuck);
        }
        return seen;
    };
    EXPECT_EQ(stuckAfterTurns(5), (std::vector<bool>{false, false, false, true, true}));
    f.game.noOneCanPlayCommand();
    EXPECT_EQ(stuckAfterTurns(4), (std::vector<bool>{false, false, false, true}));
    using Stock = std::vector<CardNumber>;
    for (auto [stock, atOnce, afterATurn] : {std::tuple{Stock{of(6, S), of(5, S), of(8, H)}, false, true},
                                             {Stock{}, true, true},
                                             {Stock{of(8, H)}, false, false}}) {  // onto a black nine
        setPile(pile(0), {});
        for (CardNumber card : stock)
            pile(0).addEnd(card);
        f.game.noOneCanPlayCommand();
        EXPECT_EQ(stuck, atOnce) << stock.size();
        EXPECT_EQ(stuckAfterTurns(1), std::vector<bool>{afterATurn}) << stock.size();
    }
    EXPECT_TRUE(anyMovePossible(t(), kHuman));  // the stock's eight: the turns count again from here
}

}  // namespace
}  // namespace zanfel
