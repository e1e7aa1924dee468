// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include "announcement.h"

namespace zanfel::net {

// Tells the local network that a game is open: its announcement goes out at once and then every
// second, to the broadcast address of each network this computer is on and to this computer
// itself, where a second copy of the game may be looking.
class GameAnnouncer : public QObject {
public:
    // Announces on `port`; to `targets` when given (the tests), else as above.
    explicit GameAnnouncer(quint16 port = kDefaultPort, QList<QHostAddress> targets = {},
                           QObject* parent = nullptr);

    // What to say from now on.
    void announce(const Announcement& announcement);

    // This computer's own broadcast address. Every copy of the game looking here hears what is
    // sent to it, where a datagram to 127.0.0.1 reaches only one of the sockets sharing the port.
    static QHostAddress thisComputer();

private:
    void send();

    QUdpSocket socket_;
    QTimer timer_;
    quint16 port_;
    QList<QHostAddress> targets_;
    QByteArray datagram_;
};

}  // namespace zanfel::net
