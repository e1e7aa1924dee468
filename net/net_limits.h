// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Every limit of the network game in one place, each with the reason for its value.
namespace zanfel::net {

// Bumped whenever a message changes its fields or meaning: a host and a guest must agree on it
// exactly, or they refuse each other at joining, naming both program versions.
constexpr int kProtocolVersion = 1;

// Below the ports Linux (32768 and up) and Windows (49152 and up) hand out to outgoing
// connections, so the host's port is never already taken by one of them, and unassigned to
// any well-known service. Games on the local network are announced on the same number (UDP).
constexpr std::uint16_t kDefaultPort = 29147;

// The largest message is a whole table for a guest that joins mid-hand, about 300 bytes, or
// a run of score-sheet rows; four kilobytes leaves room for that tenfold and keeps what one
// connection can make the host hold small.
constexpr int kMaxFrameBytes = 4096;
// Each frame is preceded by its length, two bytes big-endian: enough for the limit above.
constexpr int kFramePrefixBytes = 2;
// What a connection may hold unread in memory, in the socket's buffer and in ours: a few
// whole frames. Past it the socket stops reading and TCP slows the sender down.
constexpr int kReadBufferBytes = 4 * (kFramePrefixBytes + kMaxFrameBytes);
// Messages decoded but not yet handled, per connection; reading pauses beyond it.
constexpr int kMaxInbox = 64;
// What may wait unsent to one guest. A hand costs a guest well under 100 KB in all, a deal a
// few hundred bytes, so this is many seconds of play: a guest this far behind is not reading,
// and is dropped rather than let the host's memory grow.
constexpr int kMaxOutgoingBytes = 64 * 1024;

// A person's name as the lobby and the table show it: plain text, cut to this many
// characters, which fit beside a pile. More than kMaxNameBytes of UTF-8 on the wire is no
// name a player typed and is refused outright.
constexpr int kMaxNameChars = 24;
constexpr int kMaxNameBytes = 96;
// A program version as shown beside a refusal, such as "2.0".
constexpr int kMaxVersionChars = 16;
constexpr int kMaxVersionBytes = 32;

// A seat is taken back only with the token given at joining: 128 random bits from the
// system's random source, which no one guesses within the rejoin window.
constexpr int kTokenBytes = 16;

// Time, in milliseconds.
// A connection that has not greeted within this is closed: an honest program greets at once.
constexpr int kGreetingTimeoutMs = 5000;
// At most three guests, one for each seat besides the host's; and at most this many
// connections still greeting, so opening many connections cannot tie the host up.
constexpr int kMaxGuests = 3;
constexpr int kMaxPendingGreetings = 4;
// The host asks each guest for a sign of life this often; a peer silent for the limit is lost.
// Five intervals leave room for a slow link (half a second each way) and a busy machine.
constexpr int kPingIntervalMs = 1000;
constexpr int kSilenceLimitMs = 5000;
// A lost or departed guest may take its seat back this long after, with its token.
constexpr int kRejoinWindowMs = 90000;
// A lost guest retries its connection this often while the window lasts.
constexpr int kRejoinRetryMs = 1000;

// Moves: no person drags, clicks or double-clicks more than a few times a second; a quick
// double-click on the deck is two. A bucket of 30 filled at 20 a second lets any honest burst
// through and refuses the excess of a flood without slowing anyone else.
constexpr int kMoveBurst = 30;
constexpr int kMovesPerSecond = 20;
// All messages of one guest: moves, answers to pings and the rest. Beyond this the guest is no
// honest program and is closed.
constexpr int kMessageBurst = 120;
constexpr int kMessagesPerSecond = 60;

// The most recent refusals the host keeps in its log; older ones give way, so a flood of bad
// input cannot make the log grow without end.
constexpr int kLogEntries = 500;

// The local network's announcements. A host says it is there once a second, so a guest's list
// fills within two seconds of opening; a game not heard of for three has gone. An announcement
// is well under a hundred bytes: anything longer is no announcement of ours. The list keeps at
// most this many games, so a flood of datagrams, each from another address, cannot grow it.
constexpr int kAnnounceIntervalMs = 1000;
constexpr int kAnnouncementLifeMs = 3000;
constexpr int kMaxAnnouncementBytes = 512;
constexpr int kMaxAnnouncedGames = 16;
// Datagrams read at one go; the rest wait for the next turn of the event loop.
constexpr int kAnnouncementsPerRead = 64;

// Score-sheet rows sent in one message to a guest that joins late; longer games take several.
constexpr int kSheetRowsPerMessage = 64;

}  // namespace zanfel::net
