// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "table.h"

class CardTable;

namespace zanfel {
class GameFront;
}

// Where the human's card can go: while a card is lifted, or a pile is picked from the
// keyboard, every foundation and work pile that would take it is outlined, and the place it
// would land on now is lit. Which places take it is the game's answer, the one its drops use.
// Drawn over the table, letting every click and drop through.
class DropTargets : public QWidget {
public:
    DropTargets(CardTable* table, const zanfel::GameFront& game);
    // The game whose answer counts from now on.
    void setGame(const zanfel::GameFront& game) { game_ = &game; }

    // Outlines the places that take the top card of the human's `slot`.
    void offer(int slot);
    void withdraw();
    // The game changed: outline again what takes the card now.
    void refresh();
    // The card is held with its rectangle at `card` and the pointer at `pointer`, both in the
    // table's coordinates: light the place it would land on.
    void hover(QPoint pointer, const QRect& card);

    // Where a card let go so lands: the place under the pointer if it takes the card; else the
    // taking place that the card covers most, if it covers at least half of the card.
    std::optional<zanfel::PileImage> landing(QPoint pointer, const QRect& card) const;
    // Whether a card let go with the pointer at `pointer`, where it does not land, is refused:
    // the pointer is over a foundation or another of the player's piles. Over the card's own
    // pile, or anywhere else, it simply goes back.
    bool refusedAt(QPoint pointer) const;

    const std::vector<zanfel::PileImage>& outlined() const { return outlined_; }
    std::optional<zanfel::PileImage> lit() const { return lit_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<zanfel::PileImage> takingPlaces() const;
    QRect placeRect(zanfel::PileImage place) const;

    CardTable* table_;
    const zanfel::GameFront* game_;
    int slot_ = -1;
    std::vector<zanfel::PileImage> outlined_;
    std::optional<zanfel::PileImage> lit_;
};
