// SPDX-License-Identifier: GPL-3.0-or-later
#include "visible_table.h"

namespace zanfel {

VisibleTable visibleTo(const Table& table, int viewer) {
    VisibleTable seen;
    for (int player = 0; player < kPlayers; ++player) {
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
            const PileList& pile = table.pileOf(player, slot);
            VisiblePile& place = seen.piles[pilePlace(player, slot)];
            place.count = static_cast<std::int16_t>(pile.count());
            place.top = pile.empty() ? kNoCard : pile.top();
        }
    }
    seen.foundations = table.pileTop;
    // A work pile is built face up, so its owner saw the card beneath the top go down.
    for (int slot = kFirstWorkSlot; slot <= kLastWorkSlot; ++slot) {
        const PileList& pile = table.pileOf(viewer, slot);
        seen.ownBeneath[slot] = pile.count() > 1 ? pile.item(1) : kNoCard;
    }
    return seen;
}

}  // namespace zanfel
