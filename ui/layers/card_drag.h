// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class CardTable;
class DropTargets;
class OwnMoves;
class QLabel;

namespace zanfel {
class GameFront;
}

// A card of the human's in the air, as on a real table: it is drawn under the pointer, its
// pile shows what lies beneath it (the card comes back if no place takes it), the places that
// take it are outlined with the one it would land on lit, and a card let go so that it covers
// most of a taking place lands there even when the pointer itself is just outside it. Let go over
// a place that does not take it, it is refused; over anything else it simply goes back. The game
// it asks may be played here or on another computer, which may still send the card back later.
class CardDrag : public QObject {
public:
    CardDrag(CardTable* table, DropTargets* targets, zanfel::GameFront& game, OwnMoves& moves);
    void setGame(zanfel::GameFront& game) { game_ = &game; }

    // Puts the card back without a move, as when a window comes up over the table.
    void cancel();
    // Whether a card is in the air: the places outlined are its own.
    bool holding() const { return slot_ >= 0; }
    int heldSlot() const { return slot_; }
    // The card in the air is drawn anew, as its pile would draw it now: the faces changed.
    void redraw();

private:
    void lift(int slot, QPoint hotSpot);
    void carry(int slot, QPoint pointer);
    void letGo(int slot, QPoint pointer);
    QRect heldRect(QPoint pointer) const;

    CardTable* table_;
    DropTargets* targets_;
    zanfel::GameFront* game_;
    OwnMoves& moves_;
    QLabel* held_;
    int slot_ = -1;
    QPoint hotSpot_;
};
