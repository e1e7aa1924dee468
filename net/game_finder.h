// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <vector>

#include "announcement.h"

namespace zanfel::net {

// A game some host announced, and where the announcement came from.
struct FoundGame {
    QHostAddress address;
    Announcement announcement;
    qint64 heardAtMs = 0;
};

// Listens for the games announced on the local network and keeps the list of those heard of in
// the last few seconds. Anyone on the network can send anything to the port: a datagram is
// taken only as a whole, well-formed announcement, and the list never holds more than a few
// games, so a flood costs a little time and no memory.
class GameFinder : public QObject {
    Q_OBJECT
public:
    // A game not heard of for `lifeMs` has gone; the tests shorten it.
    explicit GameFinder(quint16 port = kDefaultPort, int lifeMs = kAnnouncementLifeMs,
                        QObject* parent = nullptr);

    // False when the port could not be listened on; errorString() says why.
    bool listening() const { return socket_.state() == QAbstractSocket::BoundState; }
    QString errorString() const { return socket_.errorString(); }
    quint16 port() const { return socket_.localPort(); }
    // The games heard of lately, in the order first heard.
    const std::vector<FoundGame>& games() const { return games_; }

signals:
    void gamesChanged();

private:
    void read();
    bool take(const QHostAddress& from, const Announcement& announcement);
    void forgetSilent();

    int lifeMs_;
    QUdpSocket socket_;
    QTimer sweep_;
    QElapsedTimer clock_;
    std::vector<FoundGame> games_;
};

}  // namespace zanfel::net
