// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "card.h"
#include "pile_list.h"

namespace zanfel {

// Pile slots of every player: 0 the stock, 1..4 the work piles, 5 the personal pile.
constexpr int kStockSlot = 0;
constexpr int kFirstWorkSlot = 1;
constexpr int kLastWorkSlot = 4;
constexpr int kPersonalSlot = 5;
constexpr int kSlotsPerPlayer = 6;
constexpr int kFoundations = 16;
constexpr int kComputerLists = 18;
constexpr int kPersonalPileSize = 13;

constexpr bool isWorkSlot(int slot) {
    return slot >= kFirstWorkSlot && slot <= kLastWorkSlot;
}

// A computer player's piles start at its base in the computer players' lists: 0 the middle,
// 6 the left, 12 the right player.
constexpr int kMiddleBase = 0;
constexpr int kLeftBase = 6;
constexpr int kRightBase = 12;

// The base of the computer player that owns the list at `listIndex`.
constexpr int playerBaseOf(int listIndex) {
    return listIndex / kSlotsPerPlayer * kSlotsPerPlayer;
}

// Player indices, as the scores are kept: the human, then the computer players by base. The
// score sheet shows them in another order: human, left, middle, right.
constexpr int kHuman = 0;
constexpr int kMiddlePlayer = 1;
constexpr int kLeftPlayer = 2;
constexpr int kRightPlayer = 3;
constexpr int kPlayers = 4;

constexpr int playerOfBase(int base) {
    return base / kSlotsPerPlayer + 1;
}
// The base of a computer player's place, by player index 1..3.
constexpr int baseOfPlayer(int player) {
    return (player - 1) * kSlotsPerPlayer;
}
constexpr bool isPlayer(int player) {
    return player >= 0 && player < kPlayers;
}
constexpr bool isSlot(int slot) {
    return slot >= 0 && slot < kSlotsPerPlayer;
}

// The table's images: each of the human's piles, each of the computer players' piles, and each
// foundation; each shows its pile's top card or the empty place.
enum class ImageKind { Stack, Player, Foundation };

struct PileImage {
    ImageKind kind;
    int index;  // the human's slot, the index in the computer players' lists, or the foundation
    friend constexpr bool operator==(PileImage, PileImage) = default;
};

constexpr int kImageCount = kSlotsPerPlayer + kComputerLists + kFoundations;

// The image of a player's pile: the human's own, or the computer player's at its base.
constexpr PileImage imageOf(int player, int slot) {
    if (player == kHuman)
        return {ImageKind::Stack, slot};
    return {ImageKind::Player, baseOfPlayer(player) + slot};
}

// Images in one flat numbering: the human's six piles, the computer players' eighteen, then the
// sixteen foundations.
constexpr int flatIndex(PileImage image) {
    switch (image.kind) {
        case ImageKind::Stack:
            return image.index;
        case ImageKind::Player:
            return kSlotsPerPlayer + image.index;
        case ImageKind::Foundation:
            return kSlotsPerPlayer + kComputerLists + image.index;
    }
    return 0;
}

// The places a card may be dropped on now: by foundation, and by the human's slot.
struct PlacesTaking {
    std::array<bool, kFoundations> foundation{};
    std::array<bool, kSlotsPerPlayer> stack{};
};

// Everything on the table: the human's piles, the computer players' piles and the tops of
// the sixteen shared foundations. There is no other record of where a card lies.
struct Table {
    std::array<PileList, kSlotsPerPlayer> lstStack;
    std::array<PileList, kComputerLists> lstPlayer;
    std::array<CardNumber, kFoundations> pileTop{};

    // A player's pile by player index: the human's own lists, or the computer player's.
    const PileList& pileOf(int player, int slot) const {
        return player == kHuman ? lstStack[slot] : lstPlayer[baseOfPlayer(player) + slot];
    }
    PileList& pileOf(int player, int slot) {
        return player == kHuman ? lstStack[slot] : lstPlayer[baseOfPlayer(player) + slot];
    }
    // The card an image should show now: its pile's top, the foundation's top, or none.
    CardNumber cardFor(PileImage image) const;
    // The lowest-numbered foundation that takes `card` now, or -1. An ace only ever fits an
    // empty foundation, and any other card only the one its predecessor tops.
    int lowestFoundationTaking(CardNumber card) const;
    // Whether the work pile `slot` of `player` takes `card` now: any card when empty, otherwise
    // one that builds down on its top. The stock and the personal pile never take a card.
    bool pileTakes(int player, int slot, CardNumber card) const;
    bool humanPileTakes(int slot, CardNumber card) const { return pileTakes(kHuman, slot, card); }
    // Every foundation and every pile of `player`'s that would take `card` now.
    PlacesTaking placesTaking(int player, CardNumber card) const;
    void clear();
};

}  // namespace zanfel
