// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the table makes sounds at all, and whether the rivals' moves are heard too. Both are
// on unless the player turned them off, and are kept between runs in the settings file under
// [Sound].
struct SoundSettings {
    bool sound = true;
    bool rivals = true;
    friend bool operator==(const SoundSettings&, const SoundSettings&) = default;
};

SoundSettings savedSoundSettings();
// False when the settings could not be written: the choice then lasts for this run only.
bool saveSoundSettings(const SoundSettings& settings);
