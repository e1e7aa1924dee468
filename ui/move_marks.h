// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QTimer>

#include "table.h"

class PlaceOutline;
class QWidget;

// What a computer player just did, shown for a moment: its card's source and destination
// framed in its back's colour. And who went out: the emptied personal pile framed steadily
// until the announcement has been closed. Nothing here runs between marks.
class MoveMarks : public QObject {
public:
    explicit MoveMarks(QWidget* table);

    // The colour of the player who owns `image`: red for the human's piles, each computer
    // player's back colour for theirs.
    static QColor ownerColour(zanfel::PileImage image);

    // Frames both places for about half a second, never longer than `tickIntervalMs`.
    void showMove(const QWidget* from, const QWidget* to, const QColor& colour, int tickIntervalMs);
    void showGoingOut(const QWidget* pile, const QColor& colour);
    void clearGoingOut();

    const PlaceOutline* moveFrom() const { return from_; }
    const PlaceOutline* moveTo() const { return to_; }
    const PlaceOutline* goingOut() const { return goingOut_; }

private:
    void clearMove();

    PlaceOutline* from_;
    PlaceOutline* to_;
    PlaceOutline* goingOut_;
    QTimer moveTimer_;
};
