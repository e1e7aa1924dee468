// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "network_module.h"
#include "seats.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SeatList;

// Joining a game (Game > Join Network Game...): the games announced on the local network, a
// place to type the address of a host elsewhere, and the player's name. Once the host has
// seated the player it shows the lobby, with whoever else has joined, until the host starts.
class JoinWindow : public QDialog {
    Q_OBJECT
public:
    JoinWindow(const QString& name, QWidget* parent = nullptr);

    // The games heard of on the local network.
    void showGames(const std::vector<zanfel::net::AnnouncedGame>& games);
    // Why nothing can be heard of the local network, if so.
    void showListProblem(const QString& problem);
    // Asking `host`: everything waits for its answer.
    void showJoining(const QString& host);
    // Seated: the seats by the host's player index, this player's among them.
    void showLobby(const zanfel::Seats& seats, int yours, const QString& hostName);
    // The host did not seat the player, or the link broke: why, and the choice is open again.
    void showProblem(const QString& problem);

    QString status() const;

signals:
    void joinRequested(const QString& address, quint16 port, const QString& name);

private:
    void createChooser();
    void choose(QTreeWidgetItem* item);
    void joinClicked();
    void setChoosing(bool choosing);

    QWidget* chooser_ = nullptr;
    QTreeWidget* games_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* listProblem_ = nullptr;
    SeatList* seats_ = nullptr;
    QLabel* status_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* join_ = nullptr;
};
