// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound.h"

// Whatever makes the sounds heard. Tests put a recording stand-in in its place.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts `sound` and returns at once, heard or not: a missing or busy audio device must
    // never hold up the table.
    virtual void play(Sound sound) = 0;
    // Cuts short whatever is sounding now: the player has asked for quiet.
    virtual void stopAll() = 0;
};
