// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_reader.h"

namespace zanfel::net {

QByteArray framed(QByteArrayView payload) {
    QByteArray frame;
    frame.reserve(kFramePrefixBytes + payload.size());
    frame.append(static_cast<char>((payload.size() >> 8) & 0xff));
    frame.append(static_cast<char>(payload.size() & 0xff));
    frame.append(payload);
    return frame;
}

FrameReader::Status FrameReader::append(QByteArrayView bytes) {
    if (status_ != Status::Ok)
        return status_;
    if (bytes.size() > room())
        return status_ = Status::BufferFull;
    buffer_.append(bytes);
    // Every length that has arrived is checked, also behind frames not yet taken.
    for (qsizetype at = 0; status_ == Status::Ok && announcedLength(at) >= 0;
         at += kFramePrefixBytes + announcedLength(at))
        if (announcedLength(at) > kMaxFrameBytes)
            status_ = Status::TooLarge;
    return status_;
}

int FrameReader::announcedLength(qsizetype at) const {
    if (buffer_.size() < at + kFramePrefixBytes)
        return -1;
    const auto byte = [this](qsizetype i) {
        return static_cast<int>(static_cast<unsigned char>(buffer_[i]));
    };
    return byte(at) << 8 | byte(at + 1);
}

std::optional<QByteArray> FrameReader::next() {
    const int length = announcedLength(0);
    if (status_ != Status::Ok || length < 0 || buffer_.size() < kFramePrefixBytes + length)
        return std::nullopt;
    QByteArray payload = buffer_.mid(kFramePrefixBytes, length);
    buffer_.remove(0, kFramePrefixBytes + length);
    return payload;
}

}  // namespace zanfel::net
