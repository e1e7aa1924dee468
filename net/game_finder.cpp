// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_finder.h"

#include <algorithm>

namespace zanfel::net {

// Several copies of the game on one computer may look at once: each shares the port. The sweep
// timer is the finder's child, where a test can count its runs.
GameFinder::GameFinder(quint16 port, int lifeMs, QObject* parent)
    : QObject(parent), lifeMs_(lifeMs), sweep_(this) {
    clock_.start();
    socket_.bind(QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    connect(&socket_, &QUdpSocket::readyRead, this, &GameFinder::read);
    // A silent game goes between one and four thirds of its life after it was last heard.
    sweep_.setInterval(lifeMs_ / 3);
    connect(&sweep_, &QTimer::timeout, this, &GameFinder::forgetSilent);
    sweep_.start();
}

// A datagram too large for an announcement is dropped unread. A flood is read a batch at a
// time, so the window stays responsive whatever arrives.
void GameFinder::read() {
    bool changed = false;
    for (int n = 0; n < kAnnouncementsPerRead && socket_.hasPendingDatagrams(); ++n) {
        const qint64 size = socket_.pendingDatagramSize();
        if (size < 0 || size > kMaxAnnouncementBytes) {
            socket_.readDatagram(nullptr, 0);
            continue;
        }
        QByteArray bytes(size, Qt::Uninitialized);
        QHostAddress from;
        if (socket_.readDatagram(bytes.data(), size, &from) != size)
            continue;
        if (const std::optional<Announcement> announcement = decodeAnnouncement(bytes))
            changed = take(from, *announcement) || changed;
    }
    if (socket_.hasPendingDatagrams())
        QTimer::singleShot(0, this, &GameFinder::read);
    if (changed)
        emit gamesChanged();
}

// True when the list shows something new. A game is known by its address and port.
bool GameFinder::take(const QHostAddress& from, const Announcement& announcement) {
    const QHostAddress address(from.toIPv4Address());
    const auto known = std::ranges::find_if(games_, [&](const FoundGame& game) {
        return game.address == address && game.announcement.port == announcement.port;
    });
    if (known != games_.end()) {
        known->heardAtMs = clock_.elapsed();
        return std::exchange(known->announcement, announcement) != announcement;
    }
    if (static_cast<int>(games_.size()) >= kMaxAnnouncedGames)
        return false;
    games_.push_back({address, announcement, clock_.elapsed()});
    return true;
}

void GameFinder::forgetSilent() {
    const qint64 now = clock_.elapsed();
    const auto gone =
        std::erase_if(games_, [this, now](const FoundGame& game) { return now - game.heardAtMs > lifeMs_; });
    if (gone > 0)
        emit gamesChanged();
}

}  // namespace zanfel::net
