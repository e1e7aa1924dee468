// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "seats.h"

class QLabel;
class QPushButton;

// The four seats of a network game's lobby as the host's table has them, clockwise from the
// host's: where each is and who sits there. On the host's screen each guest's row offers to
// move that guest to another seat or to take them off the table.
class SeatList : public QWidget {
    Q_OBJECT
public:
    // `hosting`: the rows of guests carry the host's buttons.
    SeatList(bool hosting, QWidget* parent = nullptr);

    // Seats by the host's player index; `yours` is the seat of this screen's player.
    void showSeats(const zanfel::Seats& seats, int yours);
    // Who sits in `seat` as the list says it.
    QString occupant(int seat) const;

signals:
    void moveRequested(int from, int to);
    void removeRequested(int seat);

private:
    void addRow(int row, int seat, bool hosting);

    std::array<QLabel*, zanfel::kPlayers> occupants_{};
    std::array<QPushButton*, zanfel::kPlayers> move_{};
    std::array<QPushButton*, zanfel::kPlayers> remove_{};
};
