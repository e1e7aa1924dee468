// SPDX-License-Identifier: GPL-3.0-or-later
// The committed sounds: what the generator makes, short, quiet and unclipped. No Qt.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "event_sounds.h"
#include "wav_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace zanfel::sound;

const std::filesystem::path kFolder = ZANFEL_SOUND_DIR;
constexpr std::size_t kHeaderBytes = 44;

Bytes committed(const std::string& name) {
    std::ifstream in(kFolder / (name + ".wav"), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t number(const Bytes& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b.at(at + i);
    return v;
}

// Read back from the file's own fields, so a fault in the writer cannot hide behind itself.
std::vector<std::int16_t> pcmOf(const Bytes& wav) {
    std::vector<std::int16_t> pcm;
    for (std::size_t at = kHeaderBytes; at + 1 < wav.size(); at += 2)
        pcm.push_back(static_cast<std::int16_t>(number(wav, at, 2)));
    return pcm;
}

TEST(SoundFiles, AreWhatTheGeneratorMakesNowAndNothingElse) {
    std::set<std::string> expected, found;
    for (const EventSound& sound : eventSounds()) {
        expected.insert(sound.name + ".wav");
        EXPECT_EQ(committed(sound.name), encodeWav(toPcm16(sound.make()), kSampleRate))
            << sound.name << ": run `cmake --build build --target sounds` and commit resources/sounds";
    }
    for (const auto& entry : std::filesystem::directory_iterator(kFolder))
        found.insert(entry.path().filename().string());
    EXPECT_EQ(found, expected);
}

// Mono at 22050 Hz: the header's other fields, as a sound library reads them, the real player's test holds.
TEST(SoundFiles, AreShortQuietMonoPcmEndingInSilence) {
    for (const EventSound& sound : eventSounds()) {
        SCOPED_TRACE(sound.name);
        const Bytes wav = committed(sound.name);
        ASSERT_GT(wav.size(), kHeaderBytes);
        EXPECT_EQ(number(wav, 22, 2), 1u);  // one channel
        EXPECT_EQ(number(wav, 24, 4), 22050u);
        const std::vector<std::int16_t> pcm = pcmOf(wav);
        EXPECT_LT(pcm.size(), 22050u * 3 / 10) << "under 300 ms";
        EXPECT_LE(peakDbfs(pcm), -10.0) << "quiet, 10 dB clear of clipping";
        EXPECT_GE(peakDbfs(pcm), -24.0) << "still heard";
        EXPECT_LE(std::abs(pcm.back()), 4) << "ends without a click";
    }
}

// The rivals' card is heard under the player's own, never over it.
TEST(SoundFiles, RivalsCardIsWellBelowYourOwn) {
    EXPECT_LE(rmsDbfs(pcmOf(committed("rival_card"))), rmsDbfs(pcmOf(committed("own_card"))) - 8.0);
}

}  // namespace
