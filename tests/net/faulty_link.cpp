// SPDX-License-Identifier: GPL-3.0-or-later
#include "faulty_link.h"

#include <QTimer>

namespace zanfel::net::testing {

FaultyLink::FaultyLink(quint16 hostPort, int maxDelayMs, quint32 seed)
    : hostPort_(hostPort), maxDelayMs_(maxDelayMs), random_(seed) {
    clock_.start();
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* near = server_.nextPendingConnection()) {
            auto* far = new QTcpSocket(near);
            far->connectToHost(QHostAddress::LocalHost, hostPort_);  // written to once connected
            const auto up = std::make_shared<Lane>(Lane{near, far, {}, true});
            const auto down = std::make_shared<Lane>(Lane{far, near, {}, false});
            connect(near, &QTcpSocket::readyRead, this, [this, up] { relay(up); });
            connect(far, &QTcpSocket::readyRead, this, [this, down] { relay(down); });
            // A side that goes takes the other with it once what it sent has passed.
            connect(far, &QTcpSocket::disconnected, this, [this, down] { relay(down); });
            connect(near, &QTcpSocket::disconnected, this, [this, up] { relay(up); });
            relay(up);
        }
    });
}

// The sockets go after this object: what they signal as they go must not reach it.
FaultyLink::~FaultyLink() {
    for (QTcpSocket* end : server_.findChildren<QTcpSocket*>())
        end->disconnect(this);
}

void FaultyLink::relay(const std::shared_ptr<Lane>& lane) {
    const QByteArray bytes = lane->from->isOpen() ? lane->from->readAll() : QByteArray();
    const bool gone = lane->from->state() != QAbstractSocket::ConnectedState;
    if (bytes.isEmpty() && !gone)
        return;
    const qint64 earliest = lane->waiting.empty() ? 0 : lane->waiting.back().dueMs;
    const qint64 due = std::max(earliest, clock_.elapsed() + random_.bounded(maxDelayMs_ + 1));
    lane->waiting.push_back({due, bytes});
    if (lane->waiting.size() == 1)  // else the timer of the one before passes it on
        passSoon(lane);
}

void FaultyLink::passSoon(const std::shared_ptr<Lane>& lane) {
    if (lane->waiting.empty())
        return;
    const qint64 wait = std::max<qint64>(lane->waiting.front().dueMs - clock_.elapsed(), 0);
    QTimer::singleShot(static_cast<int>(wait), Qt::PreciseTimer, lane->to, [this, lane] { pass(lane); });
}

void FaultyLink::pass(const std::shared_ptr<Lane>& lane) {
    while (!lane->waiting.empty() && lane->waiting.front().dueMs <= clock_.elapsed()) {
        const QByteArray bytes = std::move(lane->waiting.front().bytes);
        lane->waiting.pop_front();
        if (bytes.isEmpty()) {  // the sending side went
            lane->to->disconnectFromHost();
            continue;
        }
        const Toward way = lane->towardHost ? Toward::Host : Toward::Guest;
        if (cutting_ && *cutting_ == way && bytes.size() >= 2) {
            cutting_.reset();
            lane->to->write(bytes.first(bytes.size() / 2));
            lane->waiting.clear();
            for (QTcpSocket* end : {lane->from, lane->to})
                end->disconnect(this);
            lane->to->disconnectFromHost();  // the half written still arrives, then the end
            lane->from->abort();
            return;
        }
        if (lane->to->isOpen())
            lane->to->write(bytes);
        passed_[lane->towardHost] += bytes;
    }
    passSoon(lane);
}

void FaultyLink::cut() {
    for (QTcpSocket* near : server_.findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly)) {
        for (QTcpSocket* end : {near->findChild<QTcpSocket*>(), near}) {
            end->disconnect(this);
            end->abort();
        }
        near->deleteLater();
    }
}

}  // namespace zanfel::net::testing
