// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zanfel::net {

// Why something that came over the network was not taken: bytes that are no message, a
// message at the wrong moment, or the host's answer to a guest. The number is what travels.
enum class Refusal : std::uint8_t {
    None,
    // Bytes that are no message of ours: only a broken or changed program sends them.
    TooLarge,      // longer than a frame may be
    Truncated,     // the message stops before its end
    NotCbor,       // not CBOR, or something after the message
    NotAnArray,    // a message is an array: its kind, then its fields
    UnknownKind,   // a kind no message has
    MissingField,  // fewer fields than the kind has
    ExtraField,    // more fields than the kind has
    WrongType,     // a field of the wrong type
    OutOfRange,    // a seat, pile, card, count or other number outside what the game has
    BadName,       // a name too long, or nothing left of it once cleaned
    BadText,       // a program version too long, or nothing left of it once cleaned
    BadToken,      // a rejoin token of the wrong length
    // A good message at the wrong moment.
    WrongPhase,      // a move before the game starts, a second greeting, anything before one
    WrongDirection,  // a message only the other side sends
    // The host's answers at joining.
    IncompatibleVersion,  // the two programs speak different versions of these messages
    GameStarted,          // the game is under way: no new guests
    TableFull,            // every seat but the host's is taken
    UnknownToken,         // no seat is kept for this token, or no longer
    TooManyGreetings,     // too many connections are greeting at once
    Removed,              // the host took the guest off the table before the start
    // The host's other reasons.
    GreetingTimeout,    // connected but never greeted
    Silent,             // no sign of life for too long
    Flooding,           // far more messages than any program of ours sends
    RateLimited,        // a move beyond what any person makes; refused, the guest stays
    OutgoingQueueFull,  // the guest stopped reading
    ReadBufferFull,     // more unread bytes than a connection may hold
    Rules,              // the move breaks the rules as the table stands
    SeatTaken,          // a guest came back with its token: the old connection gives way
};
constexpr int kLastRefusal = static_cast<int>(Refusal::SeatTaken);

// Says why, in plain words for the host's log; the windows have their own words for players.
const char* describe(Refusal refusal);

}  // namespace zanfel::net
