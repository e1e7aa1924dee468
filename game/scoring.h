#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "table.h"

namespace zanfel {

// Player indices of the score record: the sheet's columns run human, left, middle, right.
constexpr int kHuman = 0;
constexpr int kMiddlePlayer = 1;
constexpr int kLeftPlayer = 2;
constexpr int kRightPlayer = 3;
constexpr int kPlayers = 4;
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

// The score sheet's captions, by player index; the totals are kept nowhere else.
struct ScoreSheetText {
    std::array<std::string, kPlayers> lblScore;
    std::array<std::string, kPlayers> lblTotal;
};

// Lists hands 1..handNumber under each player, one per line, with the totals below.
void rebuildSheet(ScoreSheetText& sheet, const HandScores& scores, int handNumber);

// The number at the start of a caption, as the sheet's totals are read back; empty is 0.
int leadingNumber(std::string_view text);

struct GameOutcome {
    bool over = false;
    bool tie = false;
    int leader = kHuman;
};

// A game is over once any total passes 99. The leader is the first highest total by player
// index; any other player with the leader's total makes a tie.
GameOutcome judgeTotals(const std::array<int, kPlayers>& totals);

// The question put to the player when the game is over: who won, then "play again?".
std::string gameOverQuestion(const GameOutcome& outcome);

}  // namespace zanfel
