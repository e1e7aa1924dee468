// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "sound_player.h"

namespace zanfel::testing {

// Stands in for the audio output: every sound asked for, in order.
struct RecordingSoundPlayer final : SoundPlayer {
    void play(Sound sound) override { played.push_back(sound); }
    void stopAll() override { ++stops; }

    std::vector<Sound> played;
    int stops = 0;
};

}  // namespace zanfel::testing
