// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "card.h"
#include "pile_list.h"
#include "random_source.h"

namespace zanfel {

// The shuffle draws from the source deck (place n holds card n until drawn, then 0) into the
// deal order, places 1 to 52 in the order drawn; place 0 of both is unused.
struct ShuffleArrays {
    std::array<CardNumber, kDeckSize + 1> sourceDeck{};
    std::array<CardNumber, kDeckSize + 1> dealOrder{};
    std::int16_t drawIndex = 0;

    void refillSourceDeck();
};

// The place a draw r lands on: the integer part of r * 52 + 1, so 1..52.
int drawPlace(float r);

// Draws 52 cards. A draw that lands on an already drawn place probes upward, wrapping from
// 52 to 1, and takes the first card still there. That favours cards that follow a run of
// drawn places. The bias is kept on purpose: the pace of the levels and the scoring are set
// for hands dealt this way, and a uniform shuffle would change how hands go.
void shuffleDeck(ShuffleArrays& arrays, RandomSource& random);

// Lays a shuffled deck out on one player's six piles: entries 1..4 one each on the work
// piles, 5..17 the personal pile (entry 5 on top), 18..52 the stock (entry 18 face up).
void dealInto(const ShuffleArrays& arrays, PileList* slots);

}  // namespace zanfel
