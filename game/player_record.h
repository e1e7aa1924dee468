// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "controls.h"
#include "scoring.h"

namespace zanfel {

constexpr int kNobodyOut = -1;

// What the record needs to know of a hand that was played to the end, as numbers.
struct HandResult {
    int level = 0;             // the easiest skill level in force at any moment of the hand, 1..5
    HandRow scores{};          // the hand's score by player index
    int wentOut = kNobodyOut;  // the player index whose personal pile emptied
    bool gameOver = false;     // a total passed 99 with this hand
    Totals totals{};           // the game's totals after this hand
    // A person at another computer played in this hand, in this game so far: such play is
    // kept apart from the levels.
    bool handWithPeopleElsewhere = false;
    bool gameWithPeopleElsewhere = false;
    // The easiest skill level in force at any moment of any hand of the game so far, 1..5.
    int gameLevel = 0;
};

// The easiest skill level in force at any moment of some play, a hand or a game, so that a
// harder level chosen just before the end pads no record: Super Easy, 1, is the easiest.
class EasiestLevel {
public:
    // 0 until a level has been seen.
    int level() const { return level_; }
    void see(int level) {
        if (isLevel(level) && (level_ == 0 || level < level_))
            level_ = level;
    }
    void forget() { level_ = 0; }

private:
    int level_ = 0;
};

// How the player has fared at one skill level. The two bests mean something only once a hand
// (a game) has been counted at that level; until then they are 0.
struct LevelRecord {
    int handsPlayed = 0;
    int handsWentOut = 0;
    int handsScoredHighest = 0;  // ties count for everyone tied
    int bestHandScore = 0;
    int gamesPlayed = 0;
    int gamesWon = 0;  // the highest total at the end, shared or not
    int bestFinalTotal = 0;
    int currentWinRun = 0;
    int longestWinRun = 0;
    friend bool operator==(const LevelRecord&, const LevelRecord&) = default;
};

// The nine figures in the order they are listed.
using Figure = int LevelRecord::*;
inline constexpr std::array<Figure, 9> kFigures{
    &LevelRecord::handsPlayed,    &LevelRecord::handsWentOut,  &LevelRecord::handsScoredHighest,
    &LevelRecord::bestHandScore,  &LevelRecord::gamesPlayed,   &LevelRecord::gamesWon,
    &LevelRecord::bestFinalTotal, &LevelRecord::currentWinRun, &LevelRecord::longestWinRun};
static_assert(kFigures.size() * sizeof(int) == sizeof(LevelRecord), "every figure is listed, once");

// False for a best while nothing has been counted that it could be the best of.
bool hasValue(const LevelRecord& record, Figure figure);

// The record of every skill level, by level 1..5, and apart from them the play with people at
// other computers, whatever the level.
struct PlayerRecord {
    std::array<LevelRecord, kLevelCount> levels{};
    LevelRecord withPeopleElsewhere{};
    LevelRecord& level(int n) { return levels[n - 1]; }
    const LevelRecord& level(int n) const { return levels[n - 1]; }
};

// The hand just scored, as the record sees it. Who went out is the player whose personal pile
// is empty, the human first should the table hold more than one.
HandResult handResult(const Table& table, const HandScores& scores, int handNumber, int handLevel,
                      int gameLevel);

void countHand(LevelRecord& record, const HandRow& scores, int wentOut);
void countGame(LevelRecord& record, const Totals& totals);
// The hand at its level, and the game when it ended with it at the game's, or either with the
// play against people elsewhere when they took part; a hand or a game without a level counts
// nowhere.
void countResult(PlayerRecord& record, const HandResult& hand);

// A record read back from outside may hold figures no play could leave: each such figure
// becomes 0. Counts below 0; more hands gone out or scored highest than played; more games
// won than played; a longest run beyond the wins, a current one beyond the longest; a best
// hand no hand can score; a best total past what the last hand of a game can reach.
void dropImpossibleFigures(LevelRecord& record);

}  // namespace zanfel
