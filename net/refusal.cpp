// SPDX-License-Identifier: GPL-3.0-or-later
#include "refusal.h"

namespace zanfel::net {

const char* describe(Refusal refusal) {
    switch (refusal) {
        case Refusal::None:
            return "no refusal";
        case Refusal::TooLarge:
            return "message larger than a frame may be";
        case Refusal::Truncated:
            return "message cut short";
        case Refusal::NotCbor:
            return "not a CBOR message";
        case Refusal::NotAnArray:
            return "message is not an array";
        case Refusal::UnknownKind:
            return "unknown kind of message";
        case Refusal::MissingField:
            return "message lacks a field";
        case Refusal::ExtraField:
            return "message has fields beyond its kind's";
        case Refusal::WrongType:
            return "field of the wrong type";
        case Refusal::OutOfRange:
            return "number out of range";
        case Refusal::BadName:
            return "name too long or empty";
        case Refusal::BadText:
            return "version text too long or empty";
        case Refusal::BadToken:
            return "token of the wrong length";
        case Refusal::WrongPhase:
            return "message at the wrong moment";
        case Refusal::WrongDirection:
            return "message only the other side sends";
        case Refusal::IncompatibleVersion:
            return "versions cannot play together";
        case Refusal::GameStarted:
            return "the game has started";
        case Refusal::TableFull:
            return "the table is full";
        case Refusal::UnknownToken:
            return "no seat kept for this token";
        case Refusal::TooManyGreetings:
            return "too many connections greeting";
        case Refusal::Removed:
            return "removed by the host";
        case Refusal::GreetingTimeout:
            return "no greeting in time";
        case Refusal::Silent:
            return "silent too long";
        case Refusal::Flooding:
            return "too many messages";
        case Refusal::RateLimited:
            return "moves too fast";
        case Refusal::OutgoingQueueFull:
            return "stopped reading";
        case Refusal::ReadBufferFull:
            return "too much unread input";
        case Refusal::Rules:
            return "move not allowed";
        case Refusal::SeatTaken:
            return "seat taken back by a new connection";
    }
    return "unknown refusal";
}

}  // namespace zanfel::net
