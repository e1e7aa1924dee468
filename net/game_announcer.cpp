// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_announcer.h"

#include <QNetworkInterface>

namespace zanfel::net {

namespace {

// Every IPv4 network this computer is on that carries broadcasts, and the computer itself.
QList<QHostAddress> localNetworks() {
    QList<QHostAddress> targets{GameAnnouncer::thisComputer()};
    for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
        const auto flags = network.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::CanBroadcast) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : network.addressEntries())
            if (!entry.broadcast().isNull() && !targets.contains(entry.broadcast()))
                targets << entry.broadcast();
    }
    return targets;
}

}  // namespace

GameAnnouncer::GameAnnouncer(quint16 port, QList<QHostAddress> targets, QObject* parent)
    : QObject(parent), port_(port), targets_(targets.isEmpty() ? localNetworks() : std::move(targets)) {
    timer_.setInterval(kAnnounceIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &GameAnnouncer::send);
}

QHostAddress GameAnnouncer::thisComputer() {
    return QHostAddress(QStringLiteral("127.255.255.255"));
}

// A change is said at once, so a guest's list follows the lobby without waiting a second.
void GameAnnouncer::announce(const Announcement& announcement) {
    datagram_ = encodeAnnouncement(announcement);
    send();
    timer_.start();
}

// A network that cannot be reached now is simply not told; the next second tries again.
void GameAnnouncer::send() {
    for (const QHostAddress& target : targets_)
        socket_.writeDatagram(datagram_, target, port_);
}

}  // namespace zanfel::net
