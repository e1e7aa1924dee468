// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav_file.h"

#include <string_view>

namespace zanfel::sound {
namespace {

class LittleEndian {
public:
    void text(std::string_view fourCc) { bytes.insert(bytes.end(), fourCc.begin(), fourCc.end()); }
    void number(std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::vector<std::uint8_t> bytes;
};

constexpr int kPcmFormat = 1, kChannels = 1, kBytesPerSample = 2, kHeaderAfterSize = 36;

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& pcm, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * kBytesPerSample);
    LittleEndian out;
    out.text("RIFF");
    out.number(kHeaderAfterSize + dataBytes, 4);
    out.text("WAVE");
    out.text("fmt ");
    out.number(16, 4);
    out.number(kPcmFormat, 2);
    out.number(kChannels, 2);
    out.number(sampleRate, 4);
    out.number(sampleRate * kChannels * kBytesPerSample, 4);
    out.number(kChannels * kBytesPerSample, 2);
    out.number(8 * kBytesPerSample, 2);
    out.text("data");
    out.number(dataBytes, 4);
    for (std::int16_t s : pcm)
        out.number(static_cast<std::uint16_t>(s), 2);
    return out.bytes;
}

}  // namespace zanfel::sound
