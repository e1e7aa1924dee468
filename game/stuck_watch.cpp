// SPDX-License-Identifier: GPL-3.0-or-later
#include "stuck_watch.h"

#include <algorithm>
#include <numeric>

namespace zanfel {

void StuckWatch::recheck(bool movePossible, int stockCount) {
    if (movePossible)
        turns_ = 0;
    stuck_ = !movePossible && turns_ >= turnsToComeRound(stockCount);
}

int turnsToComeRound(int count) {
    return count == 0 ? 0 : count / std::gcd(count, 3);
}

bool anyMovePossible(const Table& table, int player) {
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
        const PileList& pile = table.pileOf(player, slot);
        if (pile.empty())
            continue;
        const PlacesTaking places = table.placesTaking(player, pile.top());
        if (std::ranges::find(places.foundation, true) != places.foundation.end() ||
            std::ranges::find(places.stack, true) != places.stack.end())
            return true;
    }
    return false;
}

}  // namespace zanfel
