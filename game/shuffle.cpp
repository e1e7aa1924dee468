// SPDX-License-Identifier: GPL-3.0-or-later
#include "shuffle.h"

#include <algorithm>

#include "table.h"

namespace zanfel {

namespace {
constexpr int kFirstPersonalEntry = kLastWorkSlot + 1;
constexpr int kFirstStockEntry = kFirstPersonalEntry + kPersonalPileSize;
}  // namespace

void ShuffleArrays::refillSourceDeck() {
    for (int n = 0; n <= kDeckSize; ++n)
        sourceDeck[n] = static_cast<CardNumber>(n);
}

int drawPlace(float r) {
    const int place = static_cast<int>(static_cast<double>(r) * kDeckSize + 1.0);
    return std::clamp(place, 1, kDeckSize);
}

void shuffleDeck(ShuffleArrays& arrays, RandomSource& random) {
    for (int i = 1; i <= kDeckSize; ++i) {
        arrays.drawIndex = static_cast<std::int16_t>(drawPlace(random.reseedAndDraw()));
        // At draw i exactly 53 - i places still hold a card, so a full round of 52 probes
        // always finds one; the bound only keeps a broken source array from hanging the deal.
        for (int probes = 0; arrays.sourceDeck[arrays.drawIndex] == kNoCard && probes < kDeckSize; ++probes) {
            ++arrays.drawIndex;
            if (arrays.drawIndex > kDeckSize)
                arrays.drawIndex = 1;
        }
        arrays.dealOrder[i] = arrays.sourceDeck[arrays.drawIndex];
        arrays.sourceDeck[arrays.drawIndex] = kNoCard;
    }
}

void dealInto(const ShuffleArrays& arrays, PileList* slots) {
    for (int i = kFirstWorkSlot; i <= kLastWorkSlot; ++i)
        slots[i].addEnd(arrays.dealOrder[i]);
    for (int i = kFirstPersonalEntry; i <= kDeckSize; ++i) {
        const int slot = i < kFirstStockEntry ? kPersonalSlot : kStockSlot;
        slots[slot].addEnd(arrays.dealOrder[i]);
    }
}

}  // namespace zanfel
