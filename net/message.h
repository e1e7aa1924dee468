// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <type_traits>
#include <variant>
#include <vector>

#include "card.h"
#include "net_limits.h"
#include "refusal.h"
#include "table.h"

// The messages between a host and its guests. Each travels as a CBOR array: its kind, then its
// fields (message_fields.h lists them).
namespace zanfel::net {

// Places on the table in one numbering, the host's: each player's six piles (player * 6 +
// slot), then the sixteen foundations, then beneath the top of the receiving guest's own
// six piles (only its work piles ever carry one).
constexpr int kFirstFoundationPlace = kPlayers * kSlotsPerPlayer;
constexpr int kFirstBeneathPlace = kFirstFoundationPlace + kFoundations;
constexpr int kPlaces = kFirstBeneathPlace + kSlotsPerPlayer;
// The moves shown at once: more between two messages are only a sign of a stalled guest.
constexpr int kMaxMovesShown = 16;

// Guest to host.
// The first message on a connection: who is joining, with which program, and the token of a
// seat it held before, if any.
struct Hello {
    QString program;
    int protocol = kProtocolVersion;
    QString name;
    QByteArray token;
    friend bool operator==(const Hello&, const Hello&) = default;
};
// The guest's moves on its own seat: the seat is never named, the host knows it. Each carries
// a number the host's answer repeats.
struct DeckClick {
    int seq = 0;
    friend bool operator==(const DeckClick&, const DeckClick&) = default;
};
struct DropOnFoundation {
    int seq = 0, slot = 0, foundation = 0;
    friend bool operator==(const DropOnFoundation&, const DropOnFoundation&) = default;
};
struct DropOnStack {
    int seq = 0, slot = 0, target = 0;
    friend bool operator==(const DropOnStack&, const DropOnStack&) = default;
};
struct DoubleClick {
    int seq = 0, slot = 0;
    friend bool operator==(const DoubleClick&, const DoubleClick&) = default;
};
struct AskNoOneCanPlay {
    friend bool operator==(const AskNoOneCanPlay&, const AskNoOneCanPlay&) = default;
};
struct Leave {
    friend bool operator==(const Leave&, const Leave&) = default;
};
struct Pong {
    int stamp = 0;  // the ping's
    friend bool operator==(const Pong&, const Pong&) = default;
};

// Host to guest.
// The guest is seated; the token takes the seat back after a loss. The host's versions are
// there for the guest to show.
struct Welcome {
    int seat = 1;
    QByteArray token;
    QString program;
    int protocol = kProtocolVersion;
    bool rejoined = false;
    friend bool operator==(const Welcome&, const Welcome&) = default;
};
// The connection is refused or closed, and why, with the host's versions.
struct Refused {
    Refusal reason = Refusal::None;
    QString program;
    int protocol = kProtocolVersion;
    friend bool operator==(const Refused&, const Refused&) = default;
};
// Who sits where, for the lobby and for the names on the table: by the host's player index,
// the kind of seat (SeatKind as a number) and the person's name.
struct LobbySeats {
    int yourSeat = 1;
    bool started = false;
    std::array<int, kPlayers> kinds{};
    std::array<QString, kPlayers> names;
    friend bool operator==(const LobbySeats&, const LobbySeats&) = default;
};
// The lobby closes: the game begins.
struct Start {
    friend bool operator==(const Start&, const Start&) = default;
};
// What changed of what the guest may see, as pairs: a place and its new top card, a pile place
// and its new count, and the moves made (from place, to place) for the screen to show.
struct TableChanges {
    std::vector<int> tops;
    std::vector<int> counts;
    std::vector<int> moves;
    friend bool operator==(const TableChanges&, const TableChanges&) = default;
};
// The host's controls as a guest shows them.
struct ControlsState {
    int hint = 0;  // Hint as a number
    bool handInPlay = false;
    bool paused = false;
    int pausedBy = 0;
    int level = 3;
    bool noOneCanPlayEnabled = false;
    int asks = 0;  // who asked for "No one can play", one bit per player index
    int handsListed = 0;
    friend bool operator==(const ControlsState&, const ControlsState&) = default;
};
// The host's word on one of the guest's moves: made, or refused (its card goes back).
struct MoveAnswer {
    int seq = 0;
    bool accepted = false;
    Refusal reason = Refusal::None;
    friend bool operator==(const MoveAnswer&, const MoveAnswer&) = default;
};
struct WentOut {
    int player = 0;
    friend bool operator==(const WentOut&, const WentOut&) = default;
};
// The hand just scored, by the host's player index, and the game's outcome when it ended it.
struct HandScored {
    int hand = 1;
    std::vector<int> row;
    std::vector<int> totals;
    int wentOut = -1;
    int level = 3;
    bool gameOver = false, tie = false;
    int leader = 0;
    friend bool operator==(const HandScored&, const HandScored&) = default;
};
// Earlier rows of the score sheet, for a guest that joins or comes back mid-game.
struct ScoreHistory {
    int firstHand = 1;
    std::vector<int> rows;  // kPlayers scores a hand
    std::vector<int> totals;
    friend bool operator==(const ScoreHistory&, const ScoreHistory&) = default;
};
enum class LeavingReason : std::uint8_t { Quit, EndedNetworkGame };
struct HostLeaving {
    LeavingReason reason = LeavingReason::Quit;
    friend bool operator==(const HostLeaving&, const HostLeaving&) = default;
};
struct Ping {
    int stamp = 0;
    friend bool operator==(const Ping&, const Ping&) = default;
};

// Every message; the kind that travels is the place in this list plus one, so the list only
// ever grows at its end (and the protocol version with it).
using Message = std::variant<Hello, DeckClick, DropOnFoundation, DropOnStack, DoubleClick, AskNoOneCanPlay,
                             Leave, Pong, Welcome, Refused, LobbySeats, Start, TableChanges, ControlsState,
                             MoveAnswer, WentOut, HandScored, ScoreHistory, HostLeaving, Ping>;
constexpr int kKinds = static_cast<int>(std::variant_size_v<Message>);
// Guest-to-host kinds come first.
constexpr int kFirstHostKind = 9;

constexpr int kindOf(const Message& message) {
    return static_cast<int>(message.index()) + 1;
}
template <class T, class... Ts>
constexpr int indexIn(const std::variant<Ts...>*) {
    constexpr std::array same{std::is_same_v<T, Ts>...};
    for (int i = 0; i < static_cast<int>(same.size()); ++i)
        if (same[i])
            return i;
    return -1;
}
template <class T>
constexpr int kindOf() {
    return indexIn<T>(static_cast<const Message*>(nullptr)) + 1;
}
constexpr bool isGuestKind(int kind) {
    return kind >= 1 && kind < kFirstHostKind;
}
// The moves a person makes, which are rate-limited and answered.
constexpr bool isMoveKind(int kind) {
    return kind >= kindOf<DeckClick>() && kind <= kindOf<AskNoOneCanPlay>();
}

}  // namespace zanfel::net
