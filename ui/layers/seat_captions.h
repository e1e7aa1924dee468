// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

#include "seats.h"
#include "table.h"

class CardTable;
class QFont;
class QLabel;
class QTimer;

namespace zanfel {
class GameFront;
}

// In a network game, beside each seat's deck: who plays it (a person's chosen name, a computer
// player's usual one), how many cards its personal pile still holds while Show Card Count is on,
// whether that player has asked for "No one can play", and for a while who left or came back.
// The same names go to the table's places for screen readers. A game alone shows none of it.
class SeatCaptions : public QObject {
    Q_OBJECT
public:
    explicit SeatCaptions(CardTable* table);

    void setGame(const zanfel::GameFront& game);
    void setShown(bool shown);
    bool shown() const { return shown_; }
    // The seats, the counts or the asks may have changed.
    void refresh();

    // The name of the player the screen draws at `player` (a player index of this screen).
    QString nameOf(int player) const;

private:
    void noteChanges(const zanfel::Seats& seats);
    void showCaption(int player);
    void showOwnLine(QLabel* label, const QFont& bold, const QString& name, const QStringList& said);

    CardTable* table_;
    const zanfel::GameFront* game_ = nullptr;
    bool shown_ = false;
    std::array<QLabel*, zanfel::kPlayers> labels_{};
    // Who left a seat or came back to it, said for as long as the seat is kept for them.
    std::array<QString, zanfel::kPlayers> notes_;
    std::array<QTimer*, zanfel::kPlayers> noteTimers_{};
    zanfel::Seats seen_;
};
