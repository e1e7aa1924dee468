// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "card.h"
#include "table.h"

class TableSounds;

namespace zanfel {
class GameFront;
}

// The player's own moves, from the mouse and the keys, made on the game and heard. A card that
// reaches a foundation is heard as the game shows it there, which comes before any going out it
// brings about; a move the game refuses is heard as refused, and so is a card let go over a place
// that does not take it. Nothing is heard for a pile with no card, or while play is paused.
class OwnMoves {
public:
    OwnMoves(zanfel::GameFront& game, TableSounds& sounds);
    void setGame(zanfel::GameFront& game) { game_ = &game; }

    // The top card of the player's pile `slot` let go on `place`, a foundation or a work pile.
    // Back on its own pile it is no move at all.
    void drop(int slot, zanfel::PileImage place);
    // A double-click or Enter: the card goes to a foundation that takes it, if any does.
    void playToFoundation(int slot);
    // A card let go over a place that does not take it, or a move the host put back.
    void refuse();
    // The game shows `image` anew.
    void shown(zanfel::PileImage image, zanfel::CardNumber card);

private:
    void make(int slot, bool toFoundation, const std::function<bool()>& move);

    zanfel::GameFront* game_;
    TableSounds& sounds_;
    // A move to a foundation is being made: the next foundation shown is its card landing.
    bool landing_ = false;
};
