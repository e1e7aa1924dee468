// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "table.h"

namespace zanfel {

// The colour of each deck's back as 0xRRGGBB: the human's red deck, and the computer players'
// by the place of their back on the table (the left, middle and right players'). The same
// colour marks where a player's card came from and went.
constexpr std::uint32_t kDeckBack = 0xC00000;
constexpr std::array<std::uint32_t, 3> kPlayerDeckBacks{0x008000, 0x000080, 0x008080};

// Which of the computer players' backs is a player's, by player index: -1 for the human.
constexpr int playerDeckOf(int player) {
    switch (player) {
        case kLeftPlayer:
            return 0;
        case kMiddlePlayer:
            return 1;
        case kRightPlayer:
            return 2;
        default:
            return -1;
    }
}

// The back colour of a player by player index.
constexpr std::uint32_t backColourOf(int player) {
    const int deck = playerDeckOf(player);
    return deck < 0 ? kDeckBack : kPlayerDeckBacks[deck];
}

}  // namespace zanfel
