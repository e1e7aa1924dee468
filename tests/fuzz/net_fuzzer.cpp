// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer reads its input as a byte stream from a peer: the first byte sets how the stream is
// cut as it arrives, the rest goes through the frame reader, and every frame through the
// decoder. A message that decodes must encode and decode to itself; anything else, or a
// sanitizer's report, aborts.
#include <cstdio>
#include <cstdlib>

#include "frame_reader.h"
#include "message_codec.h"
#include "message_phase.h"

namespace {

void checkFrame(const QByteArray& frame) {
    const zanfel::net::Decoded decoded = zanfel::net::decodeMessage(frame);
    if (!decoded.message) {
        if (decoded.refusal == zanfel::net::Refusal::None)
            std::abort();
        return;
    }
    const int kind = zanfel::net::kindOf(*decoded.message);
    for (auto phase : {zanfel::net::Phase::Greeting, zanfel::net::Phase::Lobby, zanfel::net::Phase::InHand})
        zanfel::net::judgeGuestMessage(kind, phase);
    const zanfel::net::Decoded again =
        zanfel::net::decodeMessage(zanfel::net::encodeMessage(*decoded.message));
    if (!again.message || !(*again.message == *decoded.message)) {
        std::fprintf(stderr, "kind %d does not come back as it went\n", kind);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArrayView stream(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    checkFrame(stream.toByteArray());
    const qsizetype piece = data[0] % 64 + 1;
    zanfel::net::FrameReader reader;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        if (reader.append(stream.sliced(at, std::min(piece, stream.size() - at))) !=
            zanfel::net::FrameReader::Status::Ok)
            break;
        while (auto frame = reader.next())
            checkFrame(*frame);
    }
    return 0;
}
