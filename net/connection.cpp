// SPDX-License-Identifier: GPL-3.0-or-later
#include "connection.h"

#include "message_codec.h"
#include "program_version.h"

namespace zanfel::net {

Connection::Connection(QTcpSocket* socket, End end, QObject* parent)
    : QObject(parent), socket_(socket), end_(end) {
    socket_->setParent(this);
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // What Qt holds unread is bounded too: past it TCP itself slows the peer down.
    socket_->setReadBufferSize(kReadBufferBytes);
    // And what the system holds unsent, which it would otherwise let grow to megabytes for a
    // peer that stops reading: so such a peer reaches the limit on what waits here within
    // minutes, not hours, and costs little meanwhile.
    socket_->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kMaxOutgoingBytes);
    peer_ = socket_->peerAddress().toString() + QLatin1Char(':') + QString::number(socket_->peerPort());
    heard_.start();
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::readIncoming);
    connect(socket_, &QTcpSocket::disconnected, this, &Connection::lost);
    connect(socket_, &QTcpSocket::errorOccurred, this, &Connection::lost);
    if (socket_->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &Connection::readIncoming, Qt::QueuedConnection);
}

// The socket goes after this object: what it signals as it goes must not reach it.
Connection::~Connection() {
    socket_->disconnect(this);
}

void Connection::send(const Message& message) {
    if (closed_)
        return;
    const QByteArray frame = framed(encodeMessage(message));
    if (socket_->bytesToWrite() + frame.size() > kMaxOutgoingBytes)
        return close(Refusal::OutgoingQueueFull);
    socket_->write(frame);
}

void Connection::close(Refusal reason, const QString& detail) {
    if (closed_)
        return;
    closed_ = true;
    inbox_.clear();
    socket_->flush();
    socket_->disconnectFromHost();
    emit closed(reason, detail);
}

// Bytes that are no message end the connection; a guest is told why, so a program that is not
// ours, or not this version, can say what went wrong.
void Connection::refuse(Refusal reason, const QString& detail) {
    if (end_ == End::Host)
        send(Refused{reason, programVersion(), kProtocolVersion});
    close(reason, detail);
}

// What the peer sent before it went still counts: it is handed on before the end is told.
void Connection::lost() {
    if (closed_ || peerGone_)
        return;
    peerGone_ = true;
    lostBecause_ = socket_->error() == QAbstractSocket::RemoteHostClosedError ? QStringLiteral("closed")
                                                                              : socket_->errorString();
    readIncoming();
    if (inbox_.empty())
        endLost();
}

void Connection::endLost() {
    if (closed_)
        return;
    closed_ = true;
    emit closed(Refusal::None, lostBecause_);
}

// Frames are taken only while the inbox has room, and bytes read only while the frame reader
// has: a peer that sends faster than it is answered waits in its own socket buffer, not in
// this program's memory.
void Connection::readIncoming() {
    while (!closed_) {
        while (inbox_.size() < static_cast<std::size_t>(kMaxInbox)) {
            const std::optional<QByteArray> frame = reader_.next();
            if (!frame)
                break;
            if (!takeFrame(*frame))
                return;
        }
        if (inbox_.size() >= static_cast<std::size_t>(kMaxInbox))
            break;
        const QByteArray bytes = socket_->read(reader_.room());
        if (bytes.isEmpty())
            break;
        heard_.restart();
        const FrameReader::Status status = reader_.append(bytes);
        if (status != FrameReader::Status::Ok)
            return close(status == FrameReader::Status::TooLarge ? Refusal::TooLarge
                                                                 : Refusal::ReadBufferFull);
    }
    if (!inbox_.empty() && !deliveryDue_) {
        deliveryDue_ = true;
        QMetaObject::invokeMethod(this, &Connection::deliver, Qt::QueuedConnection);
    }
}

bool Connection::takeFrame(const QByteArray& frame) {
    Decoded decoded = decodeMessage(frame);
    if (!decoded.message) {
        refuse(decoded.refusal, decoded.detail);
        return false;
    }
    if (const Ping* ping = std::get_if<Ping>(&*decoded.message); ping && end_ == End::Guest)
        send(Pong{ping->stamp});
    else
        inbox_.push_back(std::move(*decoded.message));
    return !closed_;
}

// A handler may run a modal window, in which this is called again for later messages: each
// call takes the next message in turn, so none is handled twice or out of order.
void Connection::deliver() {
    deliveryDue_ = false;
    const QPointer<Connection> self(this);
    while (self && !closed_ && !inbox_.empty()) {
        const Message message = std::move(inbox_.front());
        inbox_.pop_front();
        emit received(message);
    }
    if (!self || closed_)
        return;
    readIncoming();
    if (peerGone_ && inbox_.empty())
        endLost();
}

}  // namespace zanfel::net
