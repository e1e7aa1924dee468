// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>

#include "game.h"

namespace zanfel::testing {

// A card by name: of(7, H) is the seven of hearts, of(1, S) the ace of spades.
constexpr Suit S = Suit::Spades, H = Suit::Hearts, C = Suit::Clubs, D = Suit::Diamonds;
constexpr CardNumber of(int rank, Suit suit) {
    return static_cast<CardNumber>(4 * (rank - 1) + (suit == D ? 4 : static_cast<int>(suit)));
}

inline void setPile(PileList& list, std::initializer_list<CardNumber> topFirst) {
    list.clear();
    for (CardNumber card : topFirst)
        list.addEnd(card);
}

// With the ace of spades from the personal pile, holding the first `held` cards of a deck in the stock.
inline void humanGoesOut(Game& game, int held = 0) {
    Table& table = game.tableForSetUp();
    table.lstStack = {};
    for (int i = 0; i < held; ++i)
        table.lstStack[kStockSlot].addEnd(static_cast<CardNumber>(i % kDeckSize + 1));
    table.lstStack[kPersonalSlot].addEnd(of(1, S));
    game.playToFoundation(kPersonalSlot);
}

}  // namespace zanfel::testing
