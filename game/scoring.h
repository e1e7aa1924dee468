// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "table.h"

namespace zanfel {

constexpr int kWinningTotal = 99;  // a total above this ends the game

using HandRow = std::array<std::int16_t, kPlayers>;

// One hand's score for every player: the cards that reached the foundations (52 minus the
// cards still held) minus two for every card left in the personal pile.
HandRow scoreHand(const Table& table);

// The scores of the current game by hand, hand 1 first. Room for twenty hands is made at
// once; a longer game simply grows the table.
class HandScores {
public:
    static constexpr int kPlannedHands = 20;

    HandScores() { clear(); }

    void clear() { rows_.assign(kPlannedHands + 1, HandRow{}); }
    void set(int hand, const HandRow& row);
    const HandRow& row(int hand) const { return rows_.at(hand); }
    int rowCount() const { return static_cast<int>(rows_.size()); }

private:
    std::vector<HandRow> rows_;
};

using Totals = std::array<int, kPlayers>;

// What the score sheet shows: the scores of hands 1..handsListed under each player, and the
// totals below them. A tally writes both; New Game empties the lists and leaves the totals,
// which the next tally writes again.
struct ScoreSheetFigures {
    int handsListed = 0;
    Totals totals{};
};

// Each player's sum of hands 1..handNumber. Wider than a hand's score, so a long game of
// losses cannot wrap around.
Totals totalsOf(const HandScores& scores, int handNumber);

struct GameOutcome {
    bool over = false;
    bool tie = false;
    int leader = kHuman;
};

// A game is over once any total passes 99. The leader is the first highest total by player
// index; any other player with the leader's total makes a tie.
GameOutcome judgeTotals(const Totals& totals);

}  // namespace zanfel
