// SPDX-License-Identifier: GPL-3.0-or-later
#include "stuck_watch.h"

#include <algorithm>
#include <numeric>

namespace zanfel {

void StuckWatch::recheck(bool movePossible, bool turningCanHelp, int stockCount) {
    if (movePossible)
        turns_ = 0;
    stuck_ = !movePossible && !turningCanHelp && turns_ >= turnsToComeRound(stockCount);
}

int turnsToComeRound(int count) {
    return count == 0 ? 0 : count / std::gcd(count, 3);
}

namespace {
bool goesAnywhere(const Table& table, int player, CardNumber card) {
    const PlacesTaking places = table.placesTaking(player, card);
    return std::ranges::find(places.foundation, true) != places.foundation.end() ||
           std::ranges::find(places.stack, true) != places.stack.end();
}
}  // namespace

bool anyMovePossible(const Table& table, int player) {
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
        const PileList& pile = table.pileOf(player, slot);
        if (!pile.empty() && goesAnywhere(table, player, pile.top()))
            return true;
    }
    return false;
}

// Turning by three brings up every card whose place three times some number of turns reaches.
bool turningCanHelp(const Table& table, int player) {
    const PileList& stock = table.pileOf(player, kStockSlot);
    for (int place = 0; place < stock.count(); place += std::gcd(stock.count(), 3))
        if (goesAnywhere(table, player, stock.item(place)))
            return true;
    return false;
}

}  // namespace zanfel
