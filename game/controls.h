#pragma once

#include <array>
#include <string>

#include "table.h"

namespace zanfel {

inline constexpr const char* kHintDeal = "Click the back of the red deck to deal";
inline constexpr const char* kHintTurn = "Click the back of the red deck for 3 more cards";
inline constexpr const char* kHintAsDesigned = "Click the back of the red card to deal";

// The skill levels of the Skill Level menu, 1..5, and the timer interval of each.
constexpr int kLevelCount = 5;
constexpr int kNormalLevel = 3;
constexpr std::array<int, kLevelCount + 1> kLevelIntervalMs{0, 3000, 2000, 1000, 500, 100};

// What the window shows besides the cards: menu states, the hint, the counts and the
// computer players' timer. The window follows this whenever the game says it changed.
struct Controls {
    // As the window is created: every item enabled and unchecked, the timer stopped.
    bool dealEnabled = true;
    bool pauseEnabled = true;
    bool pauseChecked = false;
    bool unstuckEnabled = true;
    std::array<bool, kLevelCount + 1> levelChecked{};  // index 1..5
    bool cardCountChecked = false;

    bool timerEnabled = false;
    int timerIntervalMs = 1000;

    std::string hint = kHintAsDesigned;
    std::array<std::string, kSlotsPerPlayer> counts{};  // lblStack(0..5)

    // The level that carries the check mark, or 0 when none does.
    int checkedLevel() const {
        for (int n = 1; n <= kLevelCount; ++n)
            if (levelChecked[n])
                return n;
        return 0;
    }
};

}  // namespace zanfel
