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

// A computer player's lists start at its base: 0 the middle, 6 the left, 12 the right player.
constexpr int kMiddleBase = 0;
constexpr int kLeftBase = 6;
constexpr int kRightBase = 12;

// The computer player whose lists hold lstPlayer(i): its base 0, 6 or 12.
constexpr int playerBaseOf(int listIndex) {
    return listIndex / kSlotsPerPlayer * kSlotsPerPlayer;
}

// The table's images. `Stack` shows the human's slot, `Player` a computer player's list,
// `Pile` a foundation; each shows its list's item 0 or the empty place.
enum class ImageKind { Stack, Player, Pile };

struct PileImage {
    ImageKind kind;
    int index;
    friend constexpr bool operator==(PileImage, PileImage) = default;
};

constexpr int kImageCount = kSlotsPerPlayer + kComputerLists + kFoundations;

// Images in one flat numbering: Stack(0..5), then Player(0..17), then Pile(0..15).
constexpr int flatIndex(PileImage image) {
    switch (image.kind) {
        case ImageKind::Stack:
            return image.index;
        case ImageKind::Player:
            return kSlotsPerPlayer + image.index;
        case ImageKind::Pile:
            return kSlotsPerPlayer + kComputerLists + image.index;
    }
    return 0;
}

// Everything on the table: the human's piles, the computer players' piles and the tops of
// the sixteen shared foundations. There is no other record of where a card lies.
struct Table {
    std::array<PileList, kSlotsPerPlayer> lstStack;
    std::array<PileList, kComputerLists> lstPlayer;
    std::array<CardNumber, kFoundations> pileTop{};

    // A player's pile by player index: 0 the human's lstStack, 1, 2, 3 the lists of the
    // players with bases 0, 6 and 12.
    const PileList& pileOf(int player, int slot) const {
        return player == 0 ? lstStack[slot] : lstPlayer[(player - 1) * kSlotsPerPlayer + slot];
    }
    // The card an image should show now: item 0 of its list, the foundation's top, or none.
    CardNumber cardFor(PileImage image) const;
    // The lowest-numbered foundation that takes `card` now, or -1. An ace only ever fits an
    // empty foundation, and any other card only the one its predecessor tops.
    int lowestFoundationTaking(CardNumber card) const;
    void clear();
};

}  // namespace zanfel
