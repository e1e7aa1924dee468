// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring.h"

#include <algorithm>
#include <functional>

namespace zanfel {

namespace {

int cardsHeld(const Table& table, int player) {
    int held = 0;
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
        held += table.pileOf(player, slot).count();
    return held;
}

}  // namespace

HandRow scoreHand(const Table& table) {
    HandRow row{};
    for (int player = 0; player < kPlayers; ++player) {
        const int score =
            (kDeckSize - cardsHeld(table, player)) - 2 * table.pileOf(player, kPersonalSlot).count();
        row[player] = static_cast<std::int16_t>(score);
    }
    return row;
}

void HandScores::set(int hand, const HandRow& row) {
    if (hand >= rowCount())
        rows_.resize(hand + 1, HandRow{});
    rows_[hand] = row;
}

Totals totalsOf(const HandScores& scores, int handNumber) {
    Totals totals{};
    for (int hand = 1; hand <= handNumber; ++hand)
        std::ranges::transform(totals, scores.row(hand), totals.begin(), std::plus<>());
    return totals;
}

GameOutcome judgeTotals(const Totals& totals) {
    GameOutcome outcome;
    for (int total : totals) {
        if (total > kWinningTotal) {
            outcome.over = true;
            break;
        }
    }
    if (!outcome.over)
        return outcome;
    for (int player = 1; player < kPlayers; ++player)
        if (totals[player] > totals[outcome.leader])
            outcome.leader = player;
    for (int player = 0; player < kPlayers; ++player)
        if (player != outcome.leader && totals[player] == totals[outcome.leader])
            outcome.tie = true;
    return outcome;
}

}  // namespace zanfel
