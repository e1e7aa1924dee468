// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <vector>

#include "sound_player.h"

namespace zanfel::testing {

// Stands in for the audio output: every sound asked for, in order, and when.
struct RecordingSoundPlayer final : SoundPlayer {
    void play(Sound sound) override {
        played.push_back(sound);
        playedAt.push_back(std::chrono::steady_clock::now());
    }
    void stopAll() override { ++stops; }

    std::vector<Sound> played;
    std::vector<std::chrono::steady_clock::time_point> playedAt;
    int stops = 0;
};

}  // namespace zanfel::testing
