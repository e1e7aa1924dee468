// SPDX-License-Identifier: GPL-3.0-or-later
#include "player_record.h"

#include <algorithm>

namespace zanfel {

namespace {

// A hand scores from -26 (every card held, thirteen of them in the personal pile) to 52.
constexpr int kLowestHandScore = -2 * kPersonalPileSize;
constexpr int kHighestHandScore = kDeckSize;
// Every total stood at 99 or less before the game's last hand.
constexpr int kHighestFinalTotal = kWinningTotal + kHighestHandScore;

bool topsOrTies(int score, const auto& all) {
    return std::ranges::all_of(all, [score](int other) { return score >= other; });
}

void dropIf(bool impossible, int& figure) {
    if (impossible)
        figure = 0;
}

}  // namespace

bool hasValue(const LevelRecord& record, Figure figure) {
    if (figure == &LevelRecord::bestHandScore)
        return record.handsPlayed > 0;
    if (figure == &LevelRecord::bestFinalTotal)
        return record.gamesPlayed > 0;
    return true;
}

HandResult handResult(const Table& table, const HandScores& scores, int handNumber, int handLevel,
                      int gameLevel) {
    HandResult hand{.level = handLevel, .scores = scores.row(handNumber), .gameLevel = gameLevel};
    for (int player = kPlayers - 1; player >= 0; --player)
        if (table.pileOf(player, kPersonalSlot).empty())
            hand.wentOut = player;
    hand.totals = totalsOf(scores, handNumber);
    hand.gameOver = judgeTotals(hand.totals).over;
    return hand;
}

void countHand(LevelRecord& record, const HandRow& scores, int wentOut) {
    const int score = scores[kHuman];
    record.bestHandScore = record.handsPlayed == 0 ? score : std::max(record.bestHandScore, score);
    ++record.handsPlayed;
    record.handsWentOut += wentOut == kHuman;
    record.handsScoredHighest += topsOrTies(score, scores);
}

void countGame(LevelRecord& record, const Totals& totals) {
    const int total = totals[kHuman];
    record.bestFinalTotal = record.gamesPlayed == 0 ? total : std::max(record.bestFinalTotal, total);
    ++record.gamesPlayed;
    if (topsOrTies(total, totals)) {
        ++record.gamesWon;
        record.longestWinRun = std::max(record.longestWinRun, ++record.currentWinRun);
    } else {
        record.currentWinRun = 0;
    }
}

void countResult(PlayerRecord& record, const HandResult& hand) {
    if (!isLevel(hand.level))
        return;
    countHand(hand.handWithPeopleElsewhere ? record.withPeopleElsewhere : record.level(hand.level),
              hand.scores, hand.wentOut);
    if (!hand.gameOver)
        return;
    if (hand.gameWithPeopleElsewhere)
        countGame(record.withPeopleElsewhere, hand.totals);
    else if (isLevel(hand.gameLevel))
        countGame(record.level(hand.gameLevel), hand.totals);
}

void dropImpossibleFigures(LevelRecord& r) {
    for (Figure count : kFigures)
        if (count != &LevelRecord::bestHandScore && count != &LevelRecord::bestFinalTotal)
            dropIf(r.*count < 0, r.*count);
    dropIf(r.handsWentOut > r.handsPlayed, r.handsWentOut);
    dropIf(r.handsScoredHighest > r.handsPlayed, r.handsScoredHighest);
    dropIf(r.gamesWon > r.gamesPlayed, r.gamesWon);
    dropIf(r.longestWinRun > r.gamesWon, r.longestWinRun);
    dropIf(r.currentWinRun > r.longestWinRun, r.currentWinRun);
    dropIf(r.handsPlayed == 0 || r.bestHandScore < kLowestHandScore || r.bestHandScore > kHighestHandScore,
           r.bestHandScore);
    dropIf(r.gamesPlayed == 0 || r.bestFinalTotal > kHighestFinalTotal, r.bestFinalTotal);
}

}  // namespace zanfel
