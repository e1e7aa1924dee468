// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <array>
#include <deque>
#include <optional>

namespace zanfel::net::testing {

// As bad as real cables get: holds data back a while (in order, as TCP does), pulled out, even mid-message.
class FaultyLink : public QObject {
public:
    FaultyLink(quint16 hostPort, int maxDelayMs = 0, quint32 seed = 1);
    ~FaultyLink() override;
    quint16 port() const { return server_.serverPort(); }
    void cut();
    enum class Toward { Host, Guest };
    // The next piece of at least two bytes (more than a ping) that way gets half through.
    void cutMidMessage(Toward toward) { cutting_ = toward; }
    // Everything that went through it either way, for recording a game.
    const QByteArray& towardHost() const { return passed_[1]; }
    const QByteArray& towardGuest() const { return passed_[0]; }

private:
    struct Piece {
        qint64 dueMs;
        QByteArray bytes;
    };
    // One direction of one connection.
    struct Lane {
        QTcpSocket* from;
        QTcpSocket* to;
        std::deque<Piece> waiting;
        bool towardHost;
    };
    void relay(const std::shared_ptr<Lane>& lane);
    void pass(const std::shared_ptr<Lane>& lane);
    void passSoon(const std::shared_ptr<Lane>& lane);

    QTcpServer server_;
    quint16 hostPort_;
    int maxDelayMs_;
    QRandomGenerator random_;
    QElapsedTimer clock_;
    std::optional<Toward> cutting_;
    std::array<QByteArray, 2> passed_;
};

}  // namespace zanfel::net::testing
