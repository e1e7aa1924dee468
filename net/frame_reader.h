// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

#include "net_limits.h"

namespace zanfel::net {

// A message's bytes with their length before them, ready for the socket.
QByteArray framed(QByteArrayView payload);

// Cuts a connection's byte stream into frames. It holds at most `limit` bytes, and refuses a
// frame announced longer than kMaxFrameBytes at once, before its bytes arrive.
class FrameReader {
public:
    enum class Status { Ok, TooLarge, BufferFull };

    explicit FrameReader(int limit = kReadBufferBytes) : limit_(limit) {}

    // Room left for bytes not yet cut into frames.
    int room() const { return limit_ - buffered(); }
    int buffered() const { return static_cast<int>(buffer_.size()); }
    // Takes bytes from the stream; once it refuses it takes nothing more.
    Status append(QByteArrayView bytes);
    // The next whole frame's message bytes, if one has arrived.
    std::optional<QByteArray> next();
    Status status() const { return status_; }

private:
    int announcedLength(qsizetype at) const;  // -1 until its two bytes are in

    QByteArray buffer_;
    int limit_;
    Status status_ = Status::Ok;
};

}  // namespace zanfel::net
