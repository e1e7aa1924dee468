// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

#include "seats.h"

class QLabel;
class QPushButton;
class SeatList;

// The host's lobby (Game > Host Network Game...): where others can reach the game, the four
// seats as guests join, Start as the default button. The host may move a guest to another seat
// or take one off the table before the start. It leaves the table usable behind it, so the
// skill level can be chosen meanwhile; closing it stops hosting.
class LobbyWindow : public QDialog {
    Q_OBJECT
public:
    explicit LobbyWindow(QWidget* parent = nullptr);

    void showSeats(const zanfel::Seats& seats);
    // What others type to join: each address with the port, and the port to open for play over
    // the internet.
    void showAddresses(const QStringList& addresses, quint16 port);
    SeatList* seatList() const { return seats_; }

signals:
    void startRequested();

private:
    QLabel* addresses_;
    SeatList* seats_;
    QPushButton* start_;
};
