// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "refusal.h"

namespace zanfel::net {

// Where a connection stands with the host: greeting (nothing said yet), in the lobby, and
// once the game has started, between hands or in one.
enum class Phase { Greeting, Lobby, BetweenHands, InHand };

// What the host does with a guest's message of some kind in some phase: takes it; refuses it
// and says so, the guest staying (a move that crossed the end of the hand on its way); or
// closes the connection, since no honest guest sends it then.
enum class Verdict { Take, Refuse, Close };

struct PhaseVerdict {
    Verdict verdict;
    Refusal reason;
    friend constexpr bool operator==(PhaseVerdict, PhaseVerdict) = default;
};

PhaseVerdict judgeGuestMessage(int kind, Phase phase);

// What a guest does with a host's message while still greeting (before its welcome) or after.
PhaseVerdict judgeHostMessage(int kind, bool welcomed);

}  // namespace zanfel::net
