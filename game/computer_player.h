// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table.h"

namespace zanfel {

// The turn passes left (6), right (12), middle (0), left again...
constexpr int nextPlayerBase(int base) {
    return base == kMiddleBase ? kLeftBase : base == kLeftBase ? kRightBase : kMiddleBase;
}

enum class ComputerActionKind { ToFoundation, ToWorkPile, TurnStock, Pass };

struct ComputerAction {
    ComputerActionKind kind = ComputerActionKind::Pass;
    int fromSlot = 0;  // the source slot of a move
    int to = 0;        // the foundation, or the work-pile slot, the card went to
    friend constexpr bool operator==(const ComputerAction&, const ComputerAction&) = default;
};

// One action of the computer player whose lists start at `base`: the first move found, or
// three cards of the stock turned when nothing moves. The sources are tried personal pile
// first, then work piles 4 down to 1, the stock's face-up card last. Deterministic and
// allocation-free: it runs on every tick.
ComputerAction playComputerTurn(Table& table, int base);

}  // namespace zanfel
