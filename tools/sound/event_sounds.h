// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "sound_synth.h"

namespace zanfel::sound {

// One of the game's sounds: the file it is kept in (without ".wav"), what it is heard for, and
// how it is made.
struct EventSound {
    std::string name;
    std::string heardFor;
    Samples (*make)();
};

// Every sound the game plays, each under 300 ms, quiet, and peaking well below full scale.
const std::vector<EventSound>& eventSounds();

}  // namespace zanfel::sound
