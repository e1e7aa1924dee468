// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <deque>

#include "frame_reader.h"
#include "message.h"

namespace zanfel::net {

// One end of a host-guest connection: frames and messages over a TCP socket, with Nagle's delay
// off. Bytes that are no message close it with the decoder's reason. Messages are handed on
// one at a time from the event loop, never from within the socket's own signal, so a handler
// may open a modal window while this connection and every other keep being read. The guest's
// end answers the host's pings itself, even while its screen is in a modal window.
class Connection : public QObject {
    Q_OBJECT
public:
    enum class End { Host, Guest };

    // Takes the socket over.
    Connection(QTcpSocket* socket, End end, QObject* parent = nullptr);
    ~Connection() override;

    // Past kMaxOutgoingBytes waiting unsent the peer is not reading: the connection closes.
    void send(const Message& message);
    // Closes once: anything already sent still goes out first.
    void close(Refusal reason, const QString& detail = {});
    bool isOpen() const { return !closed_; }
    // Since the peer last sent anything at all.
    qint64 silentForMs() const { return heard_.elapsed(); }
    QString peer() const { return peer_; }
    // What this connection holds in the host's memory: bytes waiting to go, bytes read or
    // readable but not yet made into messages, and messages not yet handled.
    qint64 queuedBytes() const { return socket_->bytesToWrite(); }
    qint64 unreadBytes() const { return socket_->bytesAvailable() + reader_.buffered(); }
    int inboxSize() const { return static_cast<int>(inbox_.size()); }

signals:
    void received(const zanfel::net::Message& message);
    // Why it closed: Refusal::None when the peer closed it or the link broke (then `detail`).
    void closed(zanfel::net::Refusal reason, const QString& detail);

private:
    void readIncoming();
    bool takeFrame(const QByteArray& frame);
    void refuse(Refusal reason, const QString& detail);
    void deliver();
    void lost();
    void endLost();

    QTcpSocket* socket_;
    End end_;
    QString peer_;
    FrameReader reader_;
    std::deque<Message> inbox_;
    bool deliveryDue_ = false;
    bool closed_ = false;
    bool peerGone_ = false;
    QString lostBecause_;
    QElapsedTimer heard_;
};

}  // namespace zanfel::net
