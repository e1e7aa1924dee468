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

void Table::clear() {
    pileTop.fill(kNoCard);
    for (auto& list : lstStack)
        list.clear();
    for (auto& list : lstPlayer)
        list.clear();
}

}  // namespace zanfel
