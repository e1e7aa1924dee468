// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>

#include "table.h"

class CardDrag;
class CardImage;
class DropTargets;
class OwnMoves;
class PlaceOutline;
class QWidget;

namespace zanfel {
class GameFront;
}

// Playing without the mouse. Space clicks the red deck. The keys 1 to 6 pick one of the
// human's piles in their order on screen (1 to 4 the work piles, 5 the personal pile, 6 the
// stock card) and ring it, outlining where its card may go; then Enter plays the picked card to a foundation
// as a double-click does, 1 to 4 drop it on that work pile as a drag does, and Escape puts the ring away.
// While play is paused, or the mouse holds a card, nothing can be picked.
class KeyboardPlay : public QObject {
public:
    using Piles = std::array<CardImage*, zanfel::kSlotsPerPlayer>;

    KeyboardPlay(QWidget* window, QWidget* table, zanfel::GameFront& game, const Piles& piles,
                 DropTargets* targets, const CardDrag* drag, OwnMoves& moves);
    void setGame(zanfel::GameFront& game) { game_ = &game; }

    // The picked pile's slot, or -1.
    int picked() const { return picked_; }
    const PlaceOutline* ring() const { return ring_; }
    // Puts the ring away, as Escape does; the places of a card in the air stay outlined.
    void clearPick();

private:
    void numberKey(int number);
    void enterKey();
    void pick(int slot);

    zanfel::GameFront* game_;
    OwnMoves& moves_;
    Piles piles_;
    DropTargets* targets_;
    const CardDrag* drag_;
    PlaceOutline* ring_;
    int picked_ = -1;
};
