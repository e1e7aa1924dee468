// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "table.h"

namespace zanfel {

// What a player sitting at the table can see of one pile: its top card and how many it holds.
struct VisiblePile {
    CardNumber top = kNoCard;
    std::int16_t count = 0;
    friend constexpr bool operator==(VisiblePile, VisiblePile) = default;
};

// Pile places in one numbering, as the host numbers players: player * 6 + slot.
constexpr int kPilePlaces = kPlayers * kSlotsPerPlayer;
constexpr int pilePlace(int player, int slot) {
    return player * kSlotsPerPlayer + slot;
}

// Everything one seat may know of the table: the top and count of every pile of every player,
// the sixteen foundation tops, and beneath the top of the seat's own work piles the card that
// lay face up there before it was covered. Nothing else: not the order of a stock or of a
// personal pile, which lie face down.
struct VisibleTable {
    std::array<VisiblePile, kPilePlaces> piles{};
    std::array<CardNumber, kFoundations> foundations{};
    std::array<CardNumber, kSlotsPerPlayer> ownBeneath{};  // by slot; only work piles carry one
    friend bool operator==(const VisibleTable&, const VisibleTable&) = default;
};

// The table as the player at `viewer` (a player index as the host numbers it) may see it.
VisibleTable visibleTo(const Table& table, int viewer);

}  // namespace zanfel
