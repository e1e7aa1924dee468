// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <cstdint>
#include <type_traits>

#include "announcement.h"
#include "message.h"

// How each message travels: its fields in order, with the range or form each must have. The one
// list serves the encoder and the decoder, so the two cannot drift apart. Only the codec reads it,
// so a change here rebuilds the codec alone.
namespace zanfel::net {

// What a field must be.
struct Int {  // an integer in [lo, hi]
    std::int64_t lo, hi;
};
struct Flag {};  // true or false
struct Text {    // plain text, cleaned of control characters and cut to maxChars
    int maxChars, maxBytes;
    Refusal refusal;  // when longer than maxBytes, or empty when it may not be
    bool mayBeEmpty;
};
struct Token {};  // kTokenBytes bytes, or none (null)
struct IntList {  // minItems to maxItems integers in whole groups: the first of each in `first`, the rest in
                  // `rest`
    int minItems, maxItems;
    int group;
    Int first, rest;
};

constexpr Int kSeqRange{0, 0xffff};
constexpr Int kSlotRange{0, kSlotsPerPlayer - 1};
constexpr Int kFoundationRange{0, kFoundations - 1};
constexpr Int kPlayerRange{0, kPlayers - 1};
constexpr Int kGuestSeatRange{1, kPlayers - 1};
constexpr Int kLevelRange{1, 5};
constexpr Int kStampRange{0, 0xffff};
constexpr Int kCardRange{0, kDeckSize};  // a card, or a pile's count: no pile holds more than a deck
constexpr Int kHandScoreRange{-2 * kPersonalPileSize, kDeckSize};
constexpr Int kTotalRange{INT32_MIN, INT32_MAX};
constexpr Int kHandRange{0, 0xffff};
constexpr Text kNameText{kMaxNameChars, kMaxNameBytes, Refusal::BadName, false};
constexpr Text kSeatNameText{kMaxNameChars, kMaxNameBytes, Refusal::BadName, true};
constexpr Text kVersionText{kMaxVersionChars, kMaxVersionBytes, Refusal::BadText, false};

// A message of kind T, to write (const) or to fill in.
template <class M, class T>
concept MessageOf = std::same_as<std::remove_const_t<M>, T>;

void fields(MessageOf<Hello> auto& m, auto& f) {
    f(m.program, kVersionText);
    f(m.protocol, Int{0, 0xffff});
    f(m.name, kNameText);
    f(m.token, Token{});
}
void fields(MessageOf<DeckClick> auto& m, auto& f) {
    f(m.seq, kSeqRange);
}
void fields(MessageOf<DropOnFoundation> auto& m, auto& f) {
    f(m.seq, kSeqRange);
    f(m.slot, kSlotRange);
    f(m.foundation, kFoundationRange);
}
void fields(MessageOf<DropOnStack> auto& m, auto& f) {
    f(m.seq, kSeqRange);
    f(m.slot, kSlotRange);
    f(m.target, kSlotRange);
}
void fields(MessageOf<DoubleClick> auto& m, auto& f) {
    f(m.seq, kSeqRange);
    f(m.slot, kSlotRange);
}
void fields(MessageOf<AskNoOneCanPlay> auto&, auto&) {}
void fields(MessageOf<Leave> auto&, auto&) {}
void fields(MessageOf<Pong> auto& m, auto& f) {
    f(m.stamp, kStampRange);
}
void fields(MessageOf<Welcome> auto& m, auto& f) {
    f(m.seat, kGuestSeatRange);
    f(m.token, Token{});
    f(m.program, kVersionText);
    f(m.protocol, Int{0, 0xffff});
    f(m.rejoined, Flag{});
}
void fields(MessageOf<Refused> auto& m, auto& f) {
    f(m.reason, Int{0, kLastRefusal});
    f(m.program, kVersionText);
    f(m.protocol, Int{0, 0xffff});
}
void fields(MessageOf<LobbySeats> auto& m, auto& f) {
    f(m.yourSeat, kPlayerRange);
    f(m.started, Flag{});
    for (auto& kind : m.kinds)
        f(kind, Int{0, 2});
    for (auto& name : m.names)
        f(name, kSeatNameText);
}
void fields(MessageOf<Start> auto&, auto&) {}
void fields(MessageOf<TableChanges> auto& m, auto& f) {
    f(m.tops, IntList{0, 2 * kPlaces, 2, Int{0, kPlaces - 1}, kCardRange});
    f(m.counts, IntList{0, 2 * kFirstFoundationPlace, 2, Int{0, kFirstFoundationPlace - 1}, kCardRange});
    f(m.moves,
      IntList{0, 2 * kMaxMovesShown, 2, Int{0, kFirstBeneathPlace - 1}, Int{0, kFirstBeneathPlace - 1}});
}
void fields(MessageOf<ControlsState> auto& m, auto& f) {
    f(m.hint, Int{0, 2});
    f(m.handInPlay, Flag{});
    f(m.paused, Flag{});
    f(m.pausedBy, kPlayerRange);
    f(m.level, kLevelRange);
    f(m.noOneCanPlayEnabled, Flag{});
    f(m.asks, Int{0, (1 << kPlayers) - 1});
    f(m.handsListed, kHandRange);
}
void fields(MessageOf<MoveAnswer> auto& m, auto& f) {
    f(m.seq, kSeqRange);
    f(m.accepted, Flag{});
    f(m.reason, Int{0, kLastRefusal});
}
void fields(MessageOf<WentOut> auto& m, auto& f) {
    f(m.player, kPlayerRange);
}
void fields(MessageOf<HandScored> auto& m, auto& f) {
    f(m.hand, Int{1, 0xffff});
    f(m.row, IntList{kPlayers, kPlayers, kPlayers, kHandScoreRange, kHandScoreRange});
    f(m.totals, IntList{kPlayers, kPlayers, kPlayers, kTotalRange, kTotalRange});
    f(m.wentOut, Int{-1, kPlayers - 1});
    f(m.level, kLevelRange);
    f(m.gameOver, Flag{});
    f(m.tie, Flag{});
    f(m.leader, kPlayerRange);
}
void fields(MessageOf<ScoreHistory> auto& m, auto& f) {
    f(m.firstHand, Int{1, 0xffff});
    f(m.rows, IntList{kPlayers, kPlayers * kSheetRowsPerMessage, kPlayers, kHandScoreRange, kHandScoreRange});
    f(m.totals, IntList{kPlayers, kPlayers, kPlayers, kTotalRange, kTotalRange});
}
void fields(MessageOf<HostLeaving> auto& m, auto& f) {
    f(m.reason, Int{0, 1});
}
void fields(MessageOf<Ping> auto& m, auto& f) {
    f(m.stamp, kStampRange);
}
void fields(MessageOf<Announcement> auto& m, auto& f) {
    f(m.program, kVersionText);
    f(m.protocol, Int{0, 0xffff});
    f(m.hostName, kNameText);
    f(m.freeSeats, Int{0, kMaxGuests});
    f(m.started, Flag{});
    f(m.port, Int{1, 0xffff});
}

}  // namespace zanfel::net
