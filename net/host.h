// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <array>
#include <vector>

#include "connection.h"
#include "game.h"
#include "guest_feed.h"
#include "host_log.h"
#include "hosted_table_view.h"
#include "message_phase.h"
#include "rate_bucket.h"

namespace zanfel::net {

// How long things may take and how fast guests may go; tests shorten the times, benchmarks
// lift the rates.
struct HostLimits {
    int greetingTimeoutMs = kGreetingTimeoutMs;
    int pingIntervalMs = kPingIntervalMs;
    int silenceLimitMs = kSilenceLimitMs;
    int rejoinWindowMs = kRejoinWindowMs;
    int moveBurst = kMoveBurst;
    int movesPerSecond = kMovesPerSecond;
    int messageBurst = kMessageBurst;
    int messagesPerSecond = kMessagesPerSecond;
};

// What the host holds for its connections at one moment: each part has its limit, whatever
// the peers send or fail to read.
struct HostLoad {
    int accepted = 0;     // connections since the host began listening
    int connections = 0;  // greeting, seated, or closing
    int greeting = 0;
    qint64 largestQueue = 0;   // bytes waiting to go to one connection
    qint64 largestUnread = 0;  // bytes of one connection not yet made into messages
    int largestInbox = 0;      // messages of one connection not yet handled
    int logEntries = 0;
};

// The one authority of a network game: it listens for guests, seats them in its lobby and,
// once started, applies their moves to its Game through the seat calls (each guest only ever
// its own seat, whatever it sends) and tells each guest what its seat may see. The Game keeps
// talking to the host's window; from the start it does so through a HostedTableView.
class Host : public QObject {
    Q_OBJECT
public:
    Host(Game& game, TableView& window, const QString& name, HostLimits limits = {},
         QObject* parent = nullptr);
    ~Host() override;

    // Opens the lobby; false with the reason in errorString() when the port cannot be had.
    bool listen(const QHostAddress& address = QHostAddress::Any, quint16 port = kDefaultPort);
    QString errorString() const { return server_.errorString(); }
    quint16 port() const { return server_.serverPort(); }

    // Who sits where, as the lobby and the table show it (the Game's seats once started).
    Seats seats() const;
    bool started() const { return started_; }
    int guestCount() const;
    // Before the start, the host seats a guest elsewhere (trading places with any guest there)
    // or sends one away.
    bool moveGuest(int from, int to);
    bool removeGuest(int seat);
    // Closes the lobby: the guests' seats go to them in the Game, and a new game begins.
    void start();
    // Ends the network game for everyone, each guest told why; the Game is alone again after.
    void leave(LeavingReason reason);

    const HostLog& log() const { return log_; }
    HostLoad load() const;

signals:
    void seatsChanged();

private:
    friend class HostedTableView;

    // Everything kept of the guest in one seat, also while it is away.
    struct GuestSeat {
        QPointer<Connection> connection;
        QString name;
        QByteArray token;
        bool held = false;        // seated, or away and within the rejoin window
        QElapsedTimer awaySince;  // valid while away
        GuestFeed feed;
        RateBucket moves{kMoveBurst, kMovesPerSecond};
        RateBucket messages{kMessageBurst, kMessagesPerSecond};
    };

    void accept();
    bool isGreeting(const Connection* connection) const;
    void forget(int seat);
    void greet(Connection* connection, const Message& message);
    void seat(Connection* connection, int seat, const Hello& hello, bool rejoined);
    void refuse(Connection* connection, Refusal reason, const QString& detail = {});
    void serve(int seat, const Message& message);
    bool play(int seat, const Message& message);
    void answer(int seat, const Message& move, bool accepted, Refusal reason);
    void away(int seat, Refusal reason, const QString& detail);
    void beat();
    void bringUpToDate(int seat);
    void tellSeats();
    void sendAll(const Message& message);
    Phase phase() const;
    int seatHolding(const QByteArray& token) const;
    QString who(int seat) const;

    // From the Game, through the HostedTableView.
    void flushSoon();
    void flush();
    void noteMove(PileImage from, PileImage to);
    void wentOut(int player);
    void handScored(const HandResult& hand);
    void hostEnding();

    Game& game_;
    TableView& window_;
    HostedTableView view_;
    HostLimits limits_;
    QString name_;
    QTcpServer server_;
    std::vector<QPointer<Connection>> greeting_;
    std::array<GuestSeat, kPlayers> seats_;  // by player index; 0 is the host's own
    bool started_ = false;
    bool left_ = false;
    int accepted_ = 0;
    QTimer heartbeat_;
    QTimer flushTimer_;
    QElapsedTimer clock_;
    HostLog log_;
};

}  // namespace zanfel::net
