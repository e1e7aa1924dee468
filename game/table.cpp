// SPDX-License-Identifier: GPL-3.0-or-later
#include "table.h"

namespace zanfel {

namespace {
CardNumber topOrNone(const PileList& list) {
    return list.empty() ? kNoCard : list.top();
}
}  // namespace

CardNumber Table::cardFor(PileImage image) const {
    switch (image.kind) {
        case ImageKind::Stack:
            return topOrNone(lstStack[image.index]);
        case ImageKind::Player:
            return topOrNone(lstPlayer[image.index]);
        case ImageKind::Foundation:
            return pileTop[image.index];
    }
    return kNoCard;
}

int Table::lowestFoundationTaking(CardNumber card) const {
    for (int j = 0; j < kFoundations; ++j)
        if (fitsOnFoundation(pileTop[j], card))
            return j;
    return -1;
}

bool Table::pileTakes(int player, int slot, CardNumber card) const {
    if (!isWorkSlot(slot))
        return false;
    const PileList& pile = pileOf(player, slot);
    return pile.empty() || buildsDownOn(card, pile.top());
}

PlacesTaking Table::placesTaking(int player, CardNumber card) const {
    PlacesTaking places;
    for (int j = 0; j < kFoundations; ++j)
        places.foundation[j] = fitsOnFoundation(pileTop[j], card);
    for (int k = 0; k < kSlotsPerPlayer; ++k)
        places.stack[k] = pileTakes(player, k, card);
    return places;
}

void Table::clear() {
    pileTop.fill(kNoCard);
    for (auto& list : lstStack)
        list.clear();
    for (auto& list : lstPlayer)
        list.clear();
}

}  // namespace zanfel
