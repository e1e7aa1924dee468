// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zanfel {

// A card is a small integer: n = 4 * (rank - 1) + suit code, 1..52; 0 means no card.
// n mod 4 gives the suit: 1 spades, 2 hearts, 3 clubs, 0 diamonds, so odd cards are black
// and even cards are red. Every rule below is plain arithmetic on these numbers.
using CardNumber = std::int16_t;

constexpr CardNumber kNoCard = 0;
// A card lies here but this screen may not know its face (a guest's own stock or personal pile
// just played from, before the host has said what came up): drawn as its owner's back.
constexpr CardNumber kHiddenCard = -1;
constexpr int kDeckSize = 52;

enum class Suit { Diamonds = 0, Spades = 1, Hearts = 2, Clubs = 3 };

constexpr int rankOf(CardNumber n) {
    return (n - 1) / 4 + 1;
}
constexpr Suit suitOf(CardNumber n) {
    return static_cast<Suit>(n % 4);
}
constexpr bool isRedSuit(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

constexpr bool isAce(CardNumber n) {
    return n > 0 && n < 5;
}

// The one card that may follow `top` on a foundation: same suit, next rank.
// Above a king this is 53 or more, which is no card, so a king closes its foundation.
constexpr int foundationSuccessor(CardNumber top) {
    return top + 4;
}

// An empty foundation takes any ace; otherwise only the successor of its top.
constexpr bool fitsOnFoundation(CardNumber top, CardNumber card) {
    return top == kNoCard ? isAce(card) : card == foundationSuccessor(top);
}

// Building down on a work pile: `top` must be one rank higher than `card` and of the other
// colour. On card numbers that is a difference that depends only on the card's suit.
constexpr bool buildsDownOn(CardNumber card, CardNumber top) {
    const int difference = top - card;
    switch (suitOf(card)) {
        case Suit::Diamonds:
            return difference == 1 || difference == 3;
        case Suit::Spades:
            return difference == 5 || difference == 7;
        case Suit::Hearts:
        case Suit::Clubs:
            return difference == 3 || difference == 5;
    }
    return false;
}

// Face pictures are resources numbered card + 100.
constexpr int faceResourceId(CardNumber n) {
    return n + 100;
}

}  // namespace zanfel
