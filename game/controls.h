// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "table.h"

namespace zanfel {

// The line under the red deck that tells the player what a click on it does. Before start-up
// has run it asks for a click on "the red card"; start-up's reset puts the deal hint there.
enum class Hint { BeforeStartUp, Deal, TurnStock };

// The skill levels of the Skill Level menu, 1..5, and the timer interval of each.
constexpr int kLevelCount = 5;
constexpr int kNormalLevel = 3;
constexpr std::array<int, kLevelCount + 1> kLevelIntervalMs{0, 3000, 2000, 1000, 500, 100};

constexpr bool isLevel(int level) {
    return level >= 1 && level <= kLevelCount;
}

// What the window shows besides the cards: menu states, the hint, the counts and the
// computer players' timer. The window follows this whenever the game says it changed.
struct Controls {
    // As the window is created: every item enabled and unchecked, the timer stopped.
    bool dealEnabled = true;
    bool pauseEnabled = true;
    bool pauseChecked = false;
    bool noOneCanPlayEnabled = true;
    std::array<bool, kLevelCount + 1> levelChecked{};  // index 1..5
    bool cardCountChecked = false;

    bool timerEnabled = false;
    int timerIntervalMs = 1000;

    Hint hint = Hint::BeforeStartUp;
    // The number under each of the human's piles, by slot. Between hands the stock's reads a
    // full deck although nothing is dealt yet.
    std::array<int, kSlotsPerPlayer> counts{};

    // Who has asked for "No one can play" since the last card moved, by player index.
    std::array<bool, kPlayers> askedNoOneCanPlay{};
    // While paused: the player index of whoever paused, for the veil to name.
    int pausedBy = kHuman;
    // Nothing of the human's can move, and turning the stock has brought up all it can since a
    // move was last possible: the window may cue it (game/stuck_watch.h).
    bool stuck = false;
    // On a guest's screen: the host alone deals, starts a new game, pauses, sets the level and
    // answers "play again", so those items are greyed and this says why.
    bool hostDecides = false;

    // The level that carries the check mark, or 0 when none does.
    int checkedLevel() const {
        for (int n = 1; n <= kLevelCount; ++n)
            if (levelChecked[n])
                return n;
        return 0;
    }
};

}  // namespace zanfel
