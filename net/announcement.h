// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "message.h"

namespace zanfel::net {

// A host's word to the local network that its game is there: one UDP datagram, sent to the
// network's broadcast addresses every second while the host is open, on the game's own port
// number. It is checked like a message, field by field; the address to join comes from where
// the datagram came from, never from inside it.
struct Announcement {
    QString program;
    int protocol = kProtocolVersion;
    QString hostName;
    int freeSeats = 0;
    bool started = false;
    int port = kDefaultPort;  // the host's TCP port
    friend bool operator==(const Announcement&, const Announcement&) = default;
};

// The first item of the datagram's array: no message's kind, so neither is ever taken for the
// other, and anything else arriving on the port is dropped at once.
constexpr int kAnnouncementMark = 0x5a46;

QByteArray encodeAnnouncement(const Announcement& announcement);
// Nothing for a datagram that is longer than kMaxAnnouncementBytes, not CBOR, not marked as
// ours, or has a field missing, extra, of the wrong type or out of range.
std::optional<Announcement> decodeAnnouncement(QByteArrayView bytes);

}  // namespace zanfel::net
