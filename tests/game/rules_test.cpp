// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that need no game, a computer player's choice of move among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "computer_player.h"
#include "random_source.h"
#include "scoring.h"
#include "shuffle.h"
#include "table_setup.h"

namespace zanfel {
namespace {

using namespace testing;

// A draw of 0, probing from a taken place and the wrap from 52 to 1 are the deal test's.
TEST(Shuffle, ADrawLandsOnAPlaceFromOneToFiftyTwo) {
    EXPECT_EQ(drawPlace(0.99999994f), 52);  // the largest float below one
}

// A reseed replacing the state with the clock would repeat a value; at this frozen clock the mix gives one
// twice running at draw 571. The real clock moves the draws: sources made before and after them differ.
TEST(ClockRandomSource, DrawsSpreadOverTheRangeNeverTwiceRunningAndFollowTheClock) {
    const float before = ClockRandomSource().reseedAndDraw();
    ClockRandomSource random([] { return std::uint64_t{9789}; });
    std::vector<float> drawn(10000);
    std::ranges::generate(drawn, [&] { return random.reseedAndDraw(); });
    EXPECT_EQ(std::ranges::adjacent_find(drawn) - drawn.begin(), std::ssize(drawn));  // a value twice running
    const std::set<float> seen(drawn.begin(), drawn.end());
    EXPECT_GT(seen.size(), 9900u);
    EXPECT_GE(*seen.begin(), 0.0f);
    EXPECT_LT(*seen.rbegin(), 1.0f);
    EXPECT_GT(*seen.rbegin() - *seen.begin(), 0.98f);  // spread over the whole range
    EXPECT_NE(ClockRandomSource().reseedAndDraw(), before);
}

// Totals by player index: human, middle, left, right. A tie names the first of the highest.
TEST(EndOfGame, FindsTheWinnerOrTheTieOnceATotalPassesNinetyNine) {
    const std::tuple<Totals, int, bool> cases[]{
        {{100, 80, 100, 50}, kHuman, true},  // the human leads; the left player equals
        {{40, 101, 60, 20}, kMiddlePlayer, false},
        {{120, 50, 50, 10}, kHuman, false},  // two equal totals below the leader are no tie
        {{-40, 99, 99, 100}, kRightPlayer, false},
    };
    for (const auto& [totals, leader, tie] : cases) {
        const GameOutcome o = judgeTotals(totals);
        EXPECT_EQ(std::tuple(o.over, o.leader, o.tie), std::tuple(true, leader, tie));
    }
    EXPECT_FALSE(judgeTotals({99, 98, 97, 96}).over);
}

using Kind = ComputerActionKind;
using Cards = std::initializer_list<CardNumber>;
using Piles = std::initializer_list<Cards>;
using Stock = std::vector<CardNumber>;

constexpr int b = kLeftBase;

// Cards that fit nowhere among the others below: black twos to fives and a red jack.
constexpr CardNumber k2S = of(2, S), k3S = of(3, S), k4C = of(4, C), k5S = of(5, S), kJD = of(11, D);
constexpr Piles kStuck{{k4C}, {k4C}, {k4C}, {k4C}};

struct Position {  // the left player's piles, top first
    Table table;
    Position(Cards personal, Piles work, Stock stock) {
        setPile(table.lstPlayer[b + kPersonalSlot], personal);
        for (CardNumber card : stock)
            table.lstPlayer[b + kStockSlot].addEnd(card);
        for (int slot = kFirstWorkSlot; Cards pile : work)
            setPile(table.lstPlayer[b + slot++], pile);
    }
    ComputerAction play() { return playComputerTurn(table, b); }
};

constexpr auto foundation = [](int from, int j) { return ComputerAction{Kind::ToFoundation, from, j}; };
constexpr auto workPile = [](int from, int j) { return ComputerAction{Kind::ToWorkPile, from, j}; };
constexpr ComputerAction kTurn{Kind::TurnStock, kStockSlot, 0};

// 8H fits a black nine, not a jack.
TEST(ComputerPlayer, TheFirstWorkPileThatTakesTheCardWinsButABuiltPileIsNeverBrokenUp) {
    const CardNumber k8H = of(8, H), k9S = of(9, S), k9C = of(9, C), k10D = of(10, D);
    EXPECT_EQ(Position({k8H, k10D}, {{kJD}, {}, {k9S}, {k2S}}, {k5S}).play(), workPile(kPersonalSlot, 2));
    EXPECT_EQ(Position({k8H, k10D}, {{k9C}, {}, {k9S}, {k2S}}, {k5S}).play(), workPile(kPersonalSlot, 1));
    EXPECT_EQ(Position({kJD}, {{k4C}, {k9C}, {k4C}, {k8H, k9S}}, {k5S}).play(), kTurn);
    Position lone({kJD}, {{k4C}, {k9C}, {k4C}, {k8H}}, {k5S});
    EXPECT_EQ(lone.play(), workPile(4, 2));
    EXPECT_EQ(lone.play(), workPile(kPersonalSlot, 4));  // the personal pile refills it
}

// Personal pile first; else turn by three or pass.
TEST(ComputerPlayer, TheStockIsPlayedOrTurnedOnlyWhenNothingElseMoves) {
    const CardNumber kJS = of(11, S), kJH = of(11, H), kQS = of(12, S), kQH = of(12, H), k10D = of(10, D);
    Position ace({of(1, H), k10D}, {{of(1, S)}, {of(1, C)}, {of(1, D)}, {k2S}}, {k3S});
    ace.table.pileTop[0] = of(2, H);
    EXPECT_EQ(ace.play(), foundation(kPersonalSlot, 1));  // before the aces below it
    EXPECT_EQ(Position({kJD}, kStuck, {of(1, C), k10D, kJS}).play(), foundation(kStockSlot, 0));
    EXPECT_EQ(Position({of(1, D)}, kStuck, {of(1, C), k10D, kJS}).play(), foundation(kPersonalSlot, 0));
    // The stock card builds on a work pile of any size: eight of hearts on a built nine of spades.
    EXPECT_EQ(Position({kJD}, {{k4C}, {of(9, S), k10D}, {k4C}, {k4C}}, {of(8, H), kJS}).play(),
              workPile(kStockSlot, 2));
    for (auto [stock, top] :
         {std::pair{Stock{kJS, kJH, kQS, kQH}, kQH}, {{kJS, kJH, kQS}, kJS}, {{kJS}, kJS}}) {
        Position p({kJD}, kStuck, stock);
        EXPECT_EQ(p.play(), kTurn);
        EXPECT_EQ(p.table.lstPlayer[b + kStockSlot].top(), top);
    }
    Position empty({of(1, H), kJD}, kStuck, {});
    EXPECT_EQ(empty.play(), foundation(kPersonalSlot, 0));  // other sources still play
    EXPECT_EQ(empty.play(), (ComputerAction{Kind::Pass, kStockSlot, 0}));
}

}  // namespace
}  // namespace zanfel
