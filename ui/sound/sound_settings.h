// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the table makes sounds at all, and whether the rivals' moves are heard too. Both are
// on unless the player turned them off; the settings store keeps them between runs.
struct SoundSettings {
    bool sound = true;
    bool rivals = true;
    friend bool operator==(const SoundSettings&, const SoundSettings&) = default;
};
