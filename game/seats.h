// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "table.h"

namespace zanfel {

// Who plays one of the four places: the person at this screen, a computer player, or a person
// at another computer whose moves come over the network.
enum class SeatKind { Here, Computer, Elsewhere };

struct Seat {
    SeatKind kind = SeatKind::Computer;
    // A person's chosen name, plain text; empty for a computer player, whom the screen names.
    std::string name;
    friend bool operator==(const Seat&, const Seat&) = default;
};

using Seats = std::array<Seat, kPlayers>;

constexpr bool isPerson(SeatKind kind) {
    return kind != SeatKind::Computer;
}

// A game alone: the person here at the bottom, the computer players everywhere else.
inline Seats aloneSeats() {
    return {Seat{SeatKind::Here, {}}, Seat{}, Seat{}, Seat{}};
}

inline bool anyElsewhere(const Seats& seats) {
    return std::ranges::any_of(seats, [](const Seat& seat) { return seat.kind == SeatKind::Elsewhere; });
}

}  // namespace zanfel
