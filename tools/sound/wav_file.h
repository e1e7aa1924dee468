// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace zanfel::sound {

// A RIFF WAVE file of 16-bit mono PCM at `sampleRate`, every field written little-endian whatever
// the machine, so the bytes are the same wherever the generator runs.
std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& pcm, int sampleRate);

}  // namespace zanfel::sound
