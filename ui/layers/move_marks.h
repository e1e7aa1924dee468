// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <array>

#include "table.h"
#include "table_back.h"

class PlaceOutline;
class QTimer;
class QWidget;

// What the computer players just did: each one's last card's source and destination framed
// in its back's colour and line, until its next move is due. And who went out: the emptied personal
// pile framed steadily until the announcement has been closed. Nothing here runs between marks.
class MoveMarks : public QObject {
public:
    explicit MoveMarks(QWidget* table);

    // The colour of the player who owns `image`: red for the human's piles, each computer
    // player's back colour for theirs; in a network game the colour of the deck of that seat as
    // seen from `viewer`, the host's numbering of this screen's own seat.
    static QColor ownerColour(zanfel::PileImage image, int viewer = zanfel::kHuman);
    // The line of that player's back: double for the human, solid, dashed and dotted for the
    // left, middle and right players, so each one's marks are told apart without colour.
    static zanfel::artwork::FrameLine ownerLine(zanfel::PileImage image, int viewer = zanfel::kHuman);
    // The table now shows the game from the seat `viewer`: the marks of the game shown before go.
    void setViewer(int viewer);
    // How long a move stays framed: until its player's next move is due, three ticks on; at
    // the fastest pace, where that would leave every player's marks up at once, one tick.
    static int markMs(int tickIntervalMs);

    // Frames both places of the move of the computer player who owns `fromImage`, replacing
    // that player's last marks.
    void showMove(zanfel::PileImage fromImage, const QWidget* from, const QWidget* to, int tickIntervalMs);
    // Frames the personal pile of the player who went out in its back's colour and line.
    void showGoingOut(zanfel::PileImage emptiedPile, const QWidget* pile);
    // A pause holds every mark until play goes on, since it holds the next moves too.
    void hold(bool paused);
    void clearGoingOut();

    // The marks of the latest move.
    const PlaceOutline* moveFrom() const { return from_[last_]; }
    const PlaceOutline* moveTo() const { return to_[last_]; }
    const PlaceOutline* goingOut() const { return goingOut_; }

private:
    static constexpr int kComputerPlayers = 3;
    void clearMove(int player);

    std::array<PlaceOutline*, kComputerPlayers> from_{};
    std::array<PlaceOutline*, kComputerPlayers> to_{};
    std::array<QTimer*, kComputerPlayers> timers_{};
    std::array<int, kComputerPlayers> heldMs_{};  // what a pause kept of each mark's time, or 0
    bool held_ = false;
    int last_ = 0;
    int viewer_ = zanfel::kHuman;
    PlaceOutline* goingOut_;
};
