// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table.h"

namespace zanfel {

// Whether a player is stuck: since a move of theirs was last possible they have turned their
// stock until it came round, so every card turning can bring up has come up, and none of their
// cards can go anywhere now, nor any card that turning could bring up: another player's move
// may have given a buried one a place. Turning on cannot help then; only another player's move
// or No one can play can.
class StuckWatch {
public:
    // A new hand, or No one can play: the turns so far no longer show what turning brings up.
    void restart() { turns_ = 0; }
    // The player turned the stock by three.
    void stockTurned() { ++turns_; }
    // After every change on the table. A possible move starts the count again.
    void recheck(bool movePossible, bool turningCanHelp, int stockCount);
    bool stuck() const { return stuck_; }

private:
    int turns_ = 0;
    bool stuck_ = false;
};

// How many turns by three bring every card of a stock of `count` up once: they come round to
// the first card after count / gcd(count, 3), so a stock that three divides shows only a third
// of its cards. An empty stock has nothing to bring up.
int turnsToComeRound(int count);

// Whether any top card of `player`'s six piles would be taken by a foundation or one of their
// work piles now: the tests the drops make.
bool anyMovePossible(const Table& table, int player);
// Whether a card that turning `player`'s stock by three would bring up could go anywhere now.
bool turningCanHelp(const Table& table, int player);

}  // namespace zanfel
