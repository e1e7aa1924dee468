#pragma once

#include <array>
#include <string>
#include <vector>

#include "game.h"

namespace zanfel::testing {

// What the driver of a game knows from its own actions, without asking the game's flags.
struct Expected {
    bool inHand = false;          // from the end of a deal to the next reset
    bool paused = false;          // Pause chosen an odd number of times in this hand
    bool goingOut = false;        // the hand has ended; its final position stands until the reset
    std::vector<HandRow> scores;  // the hands scored since the last New Game
};

// The last card the screen was given for each image; kNeverShown before the first showing.
using ShownCards = std::array<CardNumber, kImageCount>;
constexpr CardNumber kNeverShown = -1;

// Rules that hold after every action, whatever the player did. Remembers the foundations
// from one check to the next, so call it after every single move.
class InvariantChecker {
public:
    // The first broken rule, in words, or empty when all hold.
    std::string check(const Game& game, const ShownCards& shown, const Expected& expected);

private:
    std::array<CardNumber, kFoundations> previous_{};
};

}  // namespace zanfel::testing
