// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "connection.h"
#include "message.h"
#include "session_end.h"

namespace zanfel::net {

// How long things may take; the tests shorten them.
struct GuestTiming {
    int silenceLimitMs = kSilenceLimitMs;
    int rejoinWindowMs = kRejoinWindowMs;
    int rejoinRetryMs = kRejoinRetryMs;
};

// A guest's connection to a host: it greets with the player's name, waits in the lobby, and
// from the start passes the game's messages on. When the link is lost during the game it
// comes back by itself with its token while the host keeps the seat; the table follows anew.
class GuestSession : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Connecting, Lobby, Playing, Rejoining, Ended };

    // The name is cleaned as the host will clean it.
    explicit GuestSession(const QString& name, GuestTiming timing = {}, QObject* parent = nullptr);
    ~GuestSession() override;

    void join(const QString& host, quint16 port = kDefaultPort);
    // Tells the host and ends; the seat is kept for a while should the player come back.
    void leave();
    // A request of the game, once it has started; dropped while rejoining.
    void send(const Message& message);

    State state() const { return state_; }
    int seat() const { return lobby_.yourSeat; }
    const LobbySeats& lobby() const { return lobby_; }
    const QByteArray& token() const { return token_; }
    const QString& name() const { return name_; }

    // For tests: the link breaks as a cable pulled out would break it.
    void breakLink();

signals:
    void welcomed(int seat);
    void lobbyChanged();
    // The game began, or this guest is back in it: its table follows in full.
    void started();
    void received(const zanfel::net::Message& message);
    void rejoining();
    void ended(const zanfel::net::SessionEnd& end);

private:
    void connectToHost();
    void take(const Message& message);
    void linkClosed(Refusal reason);
    void retry();
    void finish(SessionEnd end);

    QString name_;
    GuestTiming timing_;
    QString host_;
    quint16 port_ = kDefaultPort;
    State state_ = State::Idle;
    bool welcomed_ = false;
    QPointer<QTcpSocket> attempt_;  // connecting, not yet connected
    QPointer<Connection> connection_;
    QByteArray token_;
    LobbySeats lobby_;
    QTimer watch_;
    QElapsedTimer lostSince_;
    QElapsedTimer lastTry_;
};

}  // namespace zanfel::net
