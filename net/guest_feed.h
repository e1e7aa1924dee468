// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "game.h"
#include "message.h"
#include "visible_table.h"

namespace zanfel::net {

// The host's controls as a guest is told them.
ControlsState controlsStateOf(const Controls& controls, const ScoreSheetFigures& sheet);

// What one guest has been told of the game, and so what it must be told next: the table as its
// seat may see it, and the controls, each only as it changed. No message here ever carries
// more than visibleTo() gives that seat.
class GuestFeed {
public:
    GuestFeed() = default;
    explicit GuestFeed(int seat) : seat_(seat) {}

    // The guest knows nothing yet: it has just joined, or come back.
    void restart();
    // A card moved from one image to another, for the guest's screen to show the move.
    void noteMove(PileImage from, PileImage to);
    // The messages that bring the guest to the game as it stands; none when it already is.
    std::vector<Message> take(const Game& game);

private:
    int seat_ = 1;
    VisibleTable told_;
    std::optional<ControlsState> toldControls_;
    std::vector<int> moves_;
};

}  // namespace zanfel::net
